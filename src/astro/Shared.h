// The birth record and the tables that the calculators, the windows and the chart
// documents share. They live for the whole run; every chart run overwrites them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "astro/Zodiac.h"
#include "astro/modEphemeris_Western_Moon.h"
#include "astro/modPlanetPosition_WesternAscendant.h"
#include "astro/modPlanetPosition_WesternPlanets.h"
#include "astro/modRetrogrades.h"

namespace astro {

// The birth data of the current chart, in local clock time as entered.
struct BirthRecordData {
  std::string BirthName;
  std::int16_t BirthMonth = 0;  // 1..12
  std::int16_t BirthDay = 0;    // 1..31
  std::int16_t BirthYear = 0;   // 1901..2050
  std::int16_t BirthHour = 0;   // 0..23
  std::int16_t BirthMinute = 0; // 0..59
  std::int16_t TzHours = 0;     // unsigned zone amount: whole hours
  std::int16_t TzMinutes = 0;   // 0 or 30
  std::int16_t LongDegree = 0;
  std::int16_t LongMinute = 0;
  std::int16_t LatDegree = 0;
  std::int16_t LatMinute = 0;
  bool IsEast = false;
  bool IsSouth = false;
  bool IsDST = false;
  std::string BirthCity;
  std::string BirthState;
  std::string BirthCountry;
};

inline BirthRecordData BirthRecord;

// The selected zone's signed amounts to add to local time for universal time.
inline std::string TzHoursText;
inline std::string TzMinutesText;

// The plain body names and the sign codes, as every run starts with them.
inline std::array<std::string, 11> PlainPlanetNames() {
  return {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu", "Ascendant", ""};
}
inline std::array<std::string, 13> PlainSignAbbrevs() {
  std::array<std::string, 13> codes;
  for (std::size_t i = 0; i < SignCodes.size(); ++i) codes[i] = std::string(SignCodes[i]);
  return codes;
}

// 0..9 "Sun" .. "Ascendant"; " (R) " appended to Mercury..Saturn when retrograde.
inline std::array<std::string, 11> PlanetNames = PlainPlanetNames();
// 0..11 "Ari" .. "Pis".
inline std::array<std::string, 13> SignAbbrevs = PlainSignAbbrevs();
// 0..7 "Sun" .. "Asc"; slot 8 stays empty.
inline std::array<std::string, 9> PositionNames;
// 0..7 position texts of the Sun .. Saturn and the ascendant ("05 Ari 07"); slot 8 stays empty.
inline std::array<std::string, 9> PlanetPositions;
// Full English name of the Moon's sign.
inline std::string RashiName;

// The last result of each named operation (CalcAscendant, CalcMoonAndDasha,
// CalcPlanetPositions, MarkRetrogrades), nothing before its first run: the numbers
// the next operation and the chart are made from.
struct CalculatorResults {
  std::optional<AscendantResult> Ascendant;
  std::optional<MoonResult> Moon;
  std::optional<PlanetsResult> Planets;
  std::optional<RetrogradeMarks> Retrogrades;
};
inline CalculatorResults LastResults;

}  // namespace astro
