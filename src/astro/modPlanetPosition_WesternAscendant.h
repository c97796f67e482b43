// The tropical ascendant and midheaven of the birth moment and place, with the
// angle helpers the planet calculator shares.
#pragma once

#include <array>
#include <string>

namespace astro {

struct BirthRecordData;

// The numbers of one ascendant computation (degrees and hours unless stated).
struct AscendantWorkingValues {
  double LocalTime = 0.0;    // clock time in decimal hours
  double ZoneAmount = 0.0;   // unsigned zone amount, after the daylight-saving hour
  double Longitude = 0.0;    // geographic longitude, east negative
  double Latitude = 0.0;     // geographic latitude, south negative
  double BirthJD = 0.0;      // Julian Day Number of the local birth date
  double UT = 0.0;           // universal time, not brought into 0..24
  double T = 0.0;            // Julian centuries from JD 2415020.0
  double RAMC = 0.0;         // local sidereal time, radians
  double Obliquity = 0.0;    // radians
  double Midheaven = 0.0;    // 0..360
  double Ascendant = 0.0;    // 0..360
  double Ayanamsa = 0.0;     // always 0 after a run: every result is tropical
  double AyanamsaComputed = 0.0;
};

// The ascendant and midheaven of one birth and their texts.
struct AscendantResult {
  AscendantWorkingValues Values;
  std::string AscendantText;  // longitude text of Values.Ascendant ("24° 17' 52\" Ari")
  std::string MidheavenText;  // longitude text of Values.Midheaven
  // The ayanamsha computed before it is zeroed, as a signed text ("-23° 51' 14\"").
  std::string AyanamsaText;
};

// The ascendant for a birth record.
AscendantResult AscendantOf(const BirthRecordData& birth);

// The texts of the last chart run's ascendant, midheaven and ayanamsha.
inline std::string AscendantText;
inline std::string MidheavenText;
inline std::string AyanamsaText;

// Computes the ascendant of BirthRecord into AscendantText, MidheavenText and
// AyanamsaText; keeps the result in LastResults.Ascendant.
void CalcAscendant();

// Adds 360 once if angle is below 0, then subtracts 360 once if above 360; writes
// the result back into angle and returns it.
double NormalizeDegrees(double& angle);

// Ayanamsha in degrees for T Julian centuries from JD 2415020.0 (about -22.46 at 0).
double Ayanamsa1900(double T);

// Replaces angle by its absolute value and returns the signed text
// "<sign x D>° M' S\"" (no trailing space).
std::string FormatSignedDMS(double& angle);

// Porphyry house points for an ascendant and midheaven in degrees: even slots the
// cusps of houses 1..12 (slot 0 the ascendant, slot 18 the midheaven), odd slots
// half-way between neighbouring cusps, slot 24 the ascendant once more.
std::array<double, 25> HousePoints(double ascendant, double midheaven);

}  // namespace astro
