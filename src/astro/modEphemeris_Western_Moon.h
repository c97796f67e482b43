// The Moon at the birth moment: geocentric longitude, latitude and horizontal
// parallax from periodic series in the Moon's mean elements, the topocentric
// longitude for the birth place, the Moon's sign, and then the nakshatra and
// dasha texts of both longitudes.
#pragma once

#include <string>

namespace astro {

// Working values of the last Moon run (degrees and hours unless stated); kept
// until the next chart run overwrites them.
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
inline MoonWorkingValues MoonWork;

// Geocentric and topocentric Moon longitudes as longitude texts.
inline std::string MoonLongitudeText;
inline std::string TopoMoonLongitudeText;

// Computes the Moon, its sign (RashiName) and the dasha texts for BirthRecord.
void CalcMoonAndDasha();

// The full sign name whose three-letter code ends the longitude text (blanks
// around it ignored), or empty when the text ends with no sign code.
std::string RashiFromLongitudeText(const std::string& text);

// Sets RashiName from MoonLongitudeText; a text with no sign code (a longitude
// of exactly 360) leaves the previous sign in place.
void UpdateRashiName();

}  // namespace astro
