// Numerical helpers shared by the calculators: Julian Day Number and its inverse as
// text, Greenwich mean sidereal time, the arctangent and arcsine variants, the
// ecliptic/equatorial conversions, the longitude text and the J2000 ayanamsa.
#pragma once

#include "astro/Zodiac.h"

#include <optional>
#include <string>
#include <string_view>

namespace astro {

// The conversion factors and pi are the 15-significant-digit decimals the program
// has always used, deliberately not full-precision pi/180 and 180/pi.
inline constexpr double DegToRad = 0.0174532925199433;
inline constexpr double RadToDeg = 57.2957795130823;
inline constexpr double Pi = 3.14159265358979;
inline constexpr double HalfPi = 1.5707963267949;
inline constexpr double TwoPi = 6.28318530717958;

// A place on the sky in equatorial coordinates.
struct EquatorialPosition {
  double RA = 0.0;   // right ascension, hours, 0..24
  double Dec = 0.0;  // declination, degrees
};

// Julian Day Number (the day number of the date's noon), Julian calendar up to
// 4 October 1582 and Gregorian from 15 October 1582. Counted in 64-bit whole
// numbers, so any int arguments (a month or day outside the calendar carries on
// into the next ones) give an exact finite result.
double JulianDayNumber(int month, int day, int year);

// "(M/D/Y) " followed by month/day/year of the Gregorian date of jd.
std::string JDToDateText(double jd);

// Greenwich mean sidereal time in hours (0..24) for t0 Julian centuries from J2000.0
// to 0h UT of the date and ut hours of universal time (any value).
double SiderealTime(double t0, double ut);

// Two-argument arctangent in radians; y = 0 with negative x gives 0, not pi.
double ATan2(double y, double x);

// Arcsine in radians through the arctangent; exactly +-HalfPi at +-1.
double ArcSin(double x);

// Right ascension and declination from ecliptic longitude, latitude and obliquity
// in degrees.
EquatorialPosition EclipticToEquatorial(double lon, double lat, double eps);

// Ecliptic longitude in degrees (0..360) from right ascension in hours,
// declination and obliquity in degrees.
double EquatorialToEcliptic(double ra, double dec, double eps);

// The index 0..11 of the sign FormatLongitude names for an angle (that of its
// magnitude); -1 from 360 on, for NaN and for the infinities, where it names none.
int SignOfLongitude(double lon);

// Longitude text: degrees within the sign, "° ", minutes, "' ", seconds, "\" ",
// sign code; minutes and seconds truncated; a negative angle is written as its
// magnitude; 360 and above give an empty sign code. NaN and the infinities read as
// 360 does: "0° 0' 0\" " with the empty sign code.
std::string FormatLongitude(double lon);

// The parts a longitude text shows: whole degrees within the sign, whole minutes,
// whole seconds and the sign's index (SignOfLongitude).
struct LongitudeParts {
  double Degrees = 0.0;
  double Minutes = 0.0;
  double Seconds = 0.0;
  int Sign = -1;
};
LongitudeParts SplitLongitude(double lon);

// Ayanamsa correction in degrees (negative) for t Julian centuries from J2000.0.
double AyanamsaJ2000(double t);

namespace detail {
// Floor of the real quotient a / b of two whole numbers, in exact integer arithmetic.
// A divisor of 0 gives 0; LLONG_MIN / -1, whose quotient 2^63 does not fit, gives
// LLONG_MAX.
long long FloorDiv(long long a, long long b);
// A whole-valued double as plain decimal text ("-0" reads "0"); never converts an
// out-of-range value to an integer type.
std::string WholeText(double value);
// WholeText(value) appended to text.
void AppendWholeText(std::string& text, double value);
// While value is at or above period (inclusive) or above it, subtracts period.
// A value far out of range is first brought near with fmod, so no loop can run
// for ever (an infinity or NaN comes back as NaN and stops at once). A period that
// is not above 0 (0, negative or NaN) gives NaN, whatever the value.
double ReduceBelow(double value, double period, bool inclusive);
// While value is below 0, adds period; same guards, and the same NaN for a period
// that is not above 0.
double RaiseAboveZero(double value, double period);
// The text without its leading and trailing blanks (other white space is kept).
std::string_view TrimBlanks(std::string_view text);
}  // namespace detail

}  // namespace astro
