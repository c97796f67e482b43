// Retrograde periods of Mercury to Pluto from 1899 to 2051 and the test whether a
// planet was retrograde on a given day; MarkRetrogrades marks the chart's planet names.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace astro {

// A local calendar date with its clock time, to the minute.
using RetroDateTime = std::chrono::local_time<std::chrono::minutes>;

// The retrograde tables: row i of a start array is the moment period i begins (the
// planet turns retrograde), row i of the end array the moment it ends (turns direct),
// as "month,day,year,hour,minute,". Each array has one slot more than the planet has
// periods; the last slot stays empty. Filled by the loaders below.
inline std::array<std::string, 477> MercuryRetroStart;
inline std::array<std::string, 477> MercuryRetroEnd;
inline std::array<std::string, 96> VenusRetroStart;
inline std::array<std::string, 96> VenusRetroEnd;
inline std::array<std::string, 72> MarsRetroStart;
inline std::array<std::string, 72> MarsRetroEnd;
inline std::array<std::string, 140> JupiterRetroStart;
inline std::array<std::string, 140> JupiterRetroEnd;
inline std::array<std::string, 147> SaturnRetroStart;
inline std::array<std::string, 147> SaturnRetroEnd;
inline std::array<std::string, 151> UranusRetroStart;
inline std::array<std::string, 151> UranusRetroEnd;
inline std::array<std::string, 151> NeptuneRetroStart;
inline std::array<std::string, 151> NeptuneRetroEnd;
inline std::array<std::string, 152> PlutoRetroStart;
inline std::array<std::string, 152> PlutoRetroEnd;

struct BirthRecordData;

// Answers of the last MarkRetrogrades: 0 Mercury .. 7 Pluto; slot 8 is never written.
inline std::array<bool, 9> RetroFlags{};

// Whether each of Mercury .. Pluto (0..7) is retrograde at a birth.
using RetrogradeMarks = std::array<bool, 8>;

// Each loader writes its planet's fixed rows: the start rows, then the end rows.
void LoadMercuryRetrogrades();
void LoadVenusRetrogrades();
void LoadMarsRetrogrades();
void LoadJupiterRetrogrades();
void LoadSaturnRetrogrades();
void LoadUranusRetrogrades();
void LoadNeptuneRetrogrades();
void LoadPlutoRetrogrades();

// True when a period of the planet ("Mercury" .. "Pluto", exact spelling) starts on an
// earlier calendar day than the date and ends on a later one; the station days count as
// direct and the time of day never matters. False for any other name.
bool IsRetrograde(RetroDateTime date, std::string_view planet);

// The month field of a split row as a number: a field equal to 1..12 in value is
// rewritten as that plain number ("03" becomes "3"); any other number is returned
// rounded and the field kept; a field that is no number gives 0 and is kept.
std::int16_t MonthNumber(std::string& field);

// The birth's local date as entered (no zone, no daylight-saving hour, the time of
// day never matters) tested against all eight tables; a date that is not on the
// calendar lies in no period.
RetrogradeMarks RetrogradesOf(const BirthRecordData& birth);

// Tests BirthRecord into RetroFlags and writes PlanetNames 0..6 afresh, with
// " (R) " behind a retrograde Mercury..Saturn; keeps the answers in
// LastResults.Retrogrades.
void MarkRetrogrades();

}  // namespace astro
