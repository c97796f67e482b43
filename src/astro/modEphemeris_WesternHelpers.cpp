#include "astro/modEphemeris_WesternHelpers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace astro {

namespace {

double Sgn(double x) { return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0); }

// Beyond this many periods the plain loops would take too long; fmod is exact.
constexpr double kLoopPeriods = 4096.0;

}  // namespace

namespace detail {

long long FloorDiv(long long a, long long b) {
  if (b == 0) return 0;
  // a / -1 is the one quotient that can overflow, and it is exact: no rounding.
  if (b == -1) return a == std::numeric_limits<long long>::min() ? std::numeric_limits<long long>::max() : -a;
  long long q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

void AppendWholeText(std::string& text, double value) {
  if (value == 0.0) {  // also turns -0 into "0"
    text += '0';
    return;
  }
  // A whole number below 2^53 in magnitude, what every calculator writes, is
  // exactly its integer, whose digits are those "%.0f" prints.
  if (std::fabs(value) < 9007199254740992.0 && value == std::trunc(value)) {
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(value)).ptr;
    text.append(buffer, end);
    return;
  }
  // Anything else (a fraction, a huge number, an infinity or NaN) as "%.0f" has it.
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.0f", value);
  text += buffer;
}

std::string WholeText(double value) {
  std::string text;
  AppendWholeText(text, value);
  return text;
}

double ReduceBelow(double value, double period, bool inclusive) {
  if (!(period > 0)) return std::numeric_limits<double>::quiet_NaN();
  // Also catches +infinity and NaN, which fmod turns into NaN.
  if (!(value <= period * kLoopPeriods)) value = std::fmod(value, period);
  while (inclusive ? value >= period : value > period) value -= period;
  return value;
}

double RaiseAboveZero(double value, double period) {
  if (!(period > 0)) return std::numeric_limits<double>::quiet_NaN();
  if (!(value >= -period * kLoopPeriods)) value = std::fmod(value, period);
  while (value < 0) value += period;
  return value;
}

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace detail

double JulianDayNumber(int month, int day, int year) {
  using detail::FloorDiv;
  const long long m = 12LL * (static_cast<long long>(year) + 4800) + month - 3;
  long long j = day + FloorDiv(365 * m + 7 + 2 * (m - 12 * FloorDiv(m, 12)), 12) + FloorDiv(m, 48) - 32083;
  if (j > 2299171) j += FloorDiv(m, 4800) - FloorDiv(m, 1200) + 38;
  return static_cast<double>(j);
}

std::string JDToDateText(double jd) {
  using std::floor;
  double l = floor(jd + 0.5) + 68569;
  const double n = floor(4 * l / 146097);
  l = l - floor((146097 * n + 3) / 4);
  const double i = floor(4000 * (l + 1) / 1461001);
  l = l - floor(1461 * i / 4) + 31;
  const double j = floor(80 * l / 2447);
  const double day = l - floor(2447 * j / 80);
  l = floor(j / 11);
  const double month = j + 2 - 12 * l;
  const double year = 100 * (n - 49) + i + l;
  std::string text = "(M/D/Y) ";
  detail::AppendWholeText(text, month);
  text += '/';
  detail::AppendWholeText(text, day);
  text += '/';
  detail::AppendWholeText(text, year);
  return text;
}

double SiderealTime(double t0, double ut) {
  double g = 6.697374558 + 2400.051336 * t0 + 0.000025862 * t0 * t0 + 1.002737909 * ut;
  g = detail::RaiseAboveZero(g, 24.0);
  return detail::ReduceBelow(g, 24.0, false);  // exactly 24 stays 24
}

double ATan2(double y, double x) {
  if (x > 0) return std::atan(y / x);
  if (x < 0) return Sgn(y) * (Pi - std::atan(std::fabs(y / x)));
  return y == 0 ? 0.0 : Sgn(y) * HalfPi;
}

double ArcSin(double x) {
  if (std::fabs(x) == 1.0) return Sgn(x) * HalfPi;
  return std::atan(x / std::sqrt(1 - x * x));
}

EquatorialPosition EclipticToEquatorial(double lon, double lat, double eps) {
  lon *= DegToRad;
  lat *= DegToRad;
  eps *= DegToRad;
  EquatorialPosition p;
  p.Dec = ArcSin(std::sin(lat) * std::cos(eps) + std::cos(lat) * std::sin(eps) * std::sin(lon)) * RadToDeg;
  double a = ATan2(std::sin(lon) * std::cos(eps) - std::tan(lat) * std::sin(eps), std::cos(lon)) * RadToDeg;
  if (a < 0) a += 360;
  p.RA = a / 15;
  return p;
}

double EquatorialToEcliptic(double ra, double dec, double eps) {
  const double a = 15 * ra * DegToRad;
  dec *= DegToRad;
  eps *= DegToRad;
  double l = ATan2(std::sin(a) * std::cos(eps) + std::tan(dec) * std::sin(eps), std::cos(a)) * RadToDeg;
  if (l < 0) l += 360;
  return l;
}

int SignOfLongitude(double lon) {
  // The same steps as the text: whole degrees of the magnitude, then whole signs.
  const double v = std::isfinite(lon) ? std::fabs(lon) : 360.0;
  const double k = std::floor(std::floor(v) / 30);
  return k >= 0 && k < 12 ? static_cast<int>(k) : -1;
}

LongitudeParts SplitLongitude(double lon) {
  // NaN and the infinities have no place on the circle; they read as 360 does.
  const double v = std::isfinite(lon) ? std::fabs(lon) : 360.0;
  LongitudeParts parts;
  double d = std::floor(v);
  const double minutes = 60 * (v - d);
  parts.Minutes = std::floor(minutes);
  parts.Seconds = std::floor(60 * (minutes - parts.Minutes));
  parts.Sign = SignOfLongitude(lon);
  // Below 360 (where there is a sign) the sign's start 30 * sign is exact, and so is
  // taking it away; fmod of a whole number is exact too.
  if (d >= 30) d = parts.Sign >= 0 ? d - 30 * parts.Sign : std::fmod(d, 30.0);
  parts.Degrees = d;
  return parts;
}

std::string FormatLongitude(double lon) {
  const LongitudeParts parts = SplitLongitude(lon);
  std::string text;
  text.reserve(24);
  detail::AppendWholeText(text, parts.Degrees);
  text += "\u00B0 ";
  detail::AppendWholeText(text, parts.Minutes);
  text += "' ";
  detail::AppendWholeText(text, parts.Seconds);
  text += "\" ";
  if (parts.Sign >= 0) text += SignCodes[static_cast<std::size_t>(parts.Sign)];
  return text;
}

double AyanamsaJ2000(double t) {
  const double node = 125.044555 - 1934.1361849 * t + 0.0020762 * t * t;
  const double sun = 280.466449 + 36000.7698231 * t + 0.0003106 * t * t;
  const double p = 17.23 * std::sin(node * DegToRad) + 1.27 * std::sin(sun * DegToRad);
  return (p - (5025.64 * t + 1.11 * t * t) - 85886.27) / 3600;
}

}  // namespace astro
