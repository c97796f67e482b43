// The Moon at the birth moment: geocentric longitude, latitude and horizontal
// parallax from periodic series in the Moon's mean elements, the topocentric
// longitude for the birth place, the Moon's sign, and then the nakshatra and
// dasha texts of both longitudes.
#pragma once

#include <string>
#include <string_view>

namespace astro {

struct BirthRecordData;

// The numbers of one Moon computation (degrees and hours unless stated).
struct MoonWorkingValues {
  double zone = 0.0;       // zone amount in hours, after the daylight-saving hour
  double lon = 0.0;        // geographic longitude, East negative
  double lat = 0.0;        // geographic latitude, South negative
  double local = 0.0;      // clock time in hours
  double ut = 0.0;         // universal time in hours, not reduced to 0..24
  double BirthJD = 0.0;    // Julian Day Number of the local birth date
  double T = 0.0;          // Julian centuries from J2000.0 to the birth moment
  double gst = 0.0;        // Greenwich sidereal time in hours
  double Ayanamsa = 0.0;   // computed, then replaced by 0
  double Obliquity = 0.0;  // obliquity of the ecliptic
  double LPrime = 0.0;     // mean longitude (degrees)
  double D = 0.0;          // mean elongation (radians)
  double M = 0.0;          // the Sun's mean anomaly (radians)
  double MPrime = 0.0;     // the Moon's mean anomaly (radians)
  double F = 0.0;          // argument of latitude (radians)
  double E = 0.0;          // eccentricity factor
  double Lambda = 0.0;     // geocentric longitude
  double Beta = 0.0;       // geocentric latitude
  double Parallax = 0.0;   // horizontal parallax
  double Rho = 0.0;        // distance in Earth radii
  double Theta = 0.0;      // local sidereal time in hours
  double TopoLambda = 0.0; // topocentric longitude
};

// The Moon of one birth: its numbers, its two longitudes as texts and its sign.
struct MoonResult {
  MoonWorkingValues Values;
  std::string LongitudeText;      // geocentric, Values.Lambda
  std::string TopoLongitudeText;  // topocentric, Values.TopoLambda
  // Full English name of the geocentric longitude's sign; empty when the text
  // names no sign (a longitude of exactly 360).
  std::string_view Rashi;
};

// The Moon for a birth record.
MoonResult MoonOf(const BirthRecordData& birth);

// Geocentric and topocentric Moon longitudes of the last chart run as longitude texts.
inline std::string MoonLongitudeText;
inline std::string TopoMoonLongitudeText;

// Computes the Moon of BirthRecord with the dasha section for the present date,
// into MoonLongitudeText, TopoMoonLongitudeText, RashiName (kept as it was when
// the Moon's text names no sign) and the dasha texts; keeps the result in
// LastResults.Moon.
void CalcMoonAndDasha();

}  // namespace astro
