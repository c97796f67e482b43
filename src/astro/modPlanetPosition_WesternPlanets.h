// The Sun and the planets Mercury to Pluto from Keplerian orbital elements, as
// geocentric ecliptic longitudes referred to the mean equinox of J2000, and the
// short position texts of the chart.
#pragma once

#include <array>
#include <string>

namespace astro {

// Convergence bound of the Kepler iteration.
inline constexpr double KeplerTolerance = 1E-12;

struct BirthRecordData;

struct UniversalDateTime {
  int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0;
};

// Body numbers 0..8: Mercury, Venus, the Earth (whose opposite is the Sun),
// Mars, Jupiter, Saturn, Uranus, Neptune, Pluto.
inline constexpr int BodyCount = 9;

// The chart's positions of one birth: slots 0..7 the Sun, the Moon, Mercury to
// Saturn and the ascendant, as in PositionNames; slot 8 stays empty.
struct PlanetsResult {
  UniversalDateTime Universal;  // the birth moment in universal time
  double DayNumber = 0.0;       // its days from J2000.0
  // Geocentric longitudes of body numbers 0..8 in degrees, [0, 360); slot 2 the Sun.
  std::array<double, BodyCount> BodyLongitudes{};
  std::array<double, 9> Longitudes{};     // degrees, by chart slot; slot 8 is 0
  std::array<std::string, 9> Positions;   // position texts ("05 Ari 07"), by chart slot
};

// The positions for a birth record's local date and clock time, the zone's signed
// hour and minute amounts (no daylight-saving hour, no birthplace), and the Moon's
// and the ascendant's longitudes in degrees.
PlanetsResult PlanetsOf(const BirthRecordData& birth, int zoneHours, int zoneMinutes, double moonLongitude,
                        double ascendantLongitude);

// Fills PositionNames and PlanetPositions for BirthRecord, TzHoursText and
// TzMinutesText, and the Moon and ascendant of the last CalcMoonAndDasha and
// CalcAscendant (their slots stay empty before either has run); keeps the result
// in LastResults.Planets.
void CalcPlanetPositions();
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

// The geocentric longitude (degrees, [0, 360)) of body number 0..8 at day number
// d; body 2 is the Sun seen from the Earth. NaN for any other number.
double GeocentricLongitude(int body, double d);

// Orbital elements of one body: a (AU), e, and the angles i, Omega, w (longitude
// of perihelion) and L (mean longitude) in radians.
struct OrbitalElementValues {
  double a = 0.0, e = 0.0, i = 0.0, Omega = 0.0, w = 0.0, L = 0.0;
};

// The elements of body number 0..8 at day number d; all zero for any other number.
OrbitalElementValues OrbitalElements(int body, double d);

// True anomaly in radians, [0, 2 pi), from mean anomaly M (radians) and eccentricity.
double TrueAnomaly(double M, double e);

// x brought into [0, 2 pi).
double NormalizeRadians(double x);

// x rounded towards zero.
double FixToZero(double x);

// "05 Ari 07" from a longitude text "5° 7' 59\" Ari"; the empty text when the
// text holds no "°" followed by "'".
std::string ShortPositionText(const std::string& text);

// The position text of a longitude in degrees: ShortPositionText of its longitude text.
std::string PositionText(double longitude);

}  // namespace astro
