// The Sun and the planets Mercury to Pluto from Keplerian orbital elements, as
// geocentric ecliptic longitudes referred to the mean equinox of J2000, and the
// short position texts of the chart.
#pragma once

#include <array>
#include <string>

namespace astro {

// Convergence bound of the Kepler iteration.
inline constexpr double KeplerTolerance = 1E-12;

// Working values of the last planet run; kept until the next chart run.
struct PlanetWorkingValues {
  // Elements of the body last asked for: a (AU), e, and the angles i, Omega, w
  // (longitude of perihelion) and L (mean longitude) in radians.
  double a = 0.0, e = 0.0, i = 0.0, Omega = 0.0, w = 0.0, L = 0.0;
  double BodyLongitude = 0.0;  // geocentric longitude of the body last computed, degrees
  // Universal date and time of the birth and its day number from J2000.0.
  int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0;
  double DayNumber = 0.0;
};
inline PlanetWorkingValues PlanetWork;

// Longitude texts of body numbers 0..8 (Mercury, Venus, Sun, Mars, Jupiter,
// Saturn, Uranus, Neptune, Pluto); slots 9..12 stay empty.
inline std::array<std::string, 13> BodyLongitudeText;

// Fills PositionNames and PlanetPositions (Sun, Moon, Mercury..Saturn, ascendant)
// for BirthRecord, TzHoursText and TzMinutesText, MoonLongitudeText and
// AscendantText.
void CalcPlanetPositions();

struct UniversalDateTime {
  int Year, Month, Day, Hour, Minute;
};
// The local date and clock time plus the zone's signed hour and minute amounts,
// with the date moving across day, month and year boundaries as needed. A moment
// before the year -32767 or after 32767 comes back as the first minute of that
// range (-32767-01-01 00:00) or its last (32767-12-31 23:59).
UniversalDateTime ToUniversal(int year, int month, int day, int hour, int minute, int zoneHours,
                              int zoneMinutes);
// A zone amount text trimmed of blanks and read as a signed 16-bit integer; a text
// that is no such number counts as 0.
int ZoneAmount(const std::string& text);

// Days from J2000.0 (2000 January 1, 12:00 universal time), in double arithmetic
// throughout, so any int arguments give a finite number.
double DayNumberJ2000(int year, int month, int day, int hour, int minute);

// Sets the geocentric longitude (degrees, [0, 360)) of body number `body` at day
// number d into PlanetWork.BodyLongitude. Body 2 is the Sun seen from the Earth.
void GeocentricLongitude(int body, double d);

// Sets PlanetWork's six elements for bodies 0..8; any other number changes nothing.
void OrbitalElements(int body, double d);

// True anomaly in radians, [0, 2 pi), from mean anomaly M (radians) and eccentricity.
double TrueAnomaly(double M, double e);

// x brought into [0, 2 pi).
double NormalizeRadians(double x);

// x rounded towards zero.
double FixToZero(double x);

// "05 Ari 07" from a longitude text "5° 7' 59\" Ari"; the empty text when the
// text holds no "°" followed by "'".
std::string ShortPositionText(const std::string& text);

}  // namespace astro
