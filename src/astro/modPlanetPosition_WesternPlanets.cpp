#include "astro/modPlanetPosition_WesternPlanets.h"

#include "astro/Numbers.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "astro/Shared.h"
#include "astro/modEphemeris_WesternHelpers.h"
#include "astro/modEphemeris_Western_Moon.h"
#include "astro/modPlanetPosition_WesternAscendant.h"

namespace astro {

namespace {

// Keplerian elements at J2000.0 and their rates per Julian century: a and e in
// their own units, the angles in degrees with rates in arcseconds per century.
struct Elements {
  double a0, a1, e0, e1, i0, i1, Omega0, Omega1, w0, w1, L0, L1;
};

constexpr std::array<Elements, 9> kElements{{
    {0.38709893, +0.00000066, 0.20563069, +0.00002527, 7.00487, -23.51, 48.33167, -446.30, 77.45645, +573.57,
     252.25084, +538101628.29},
    {0.72333199, +0.00000092, 0.00677323, -0.00004938, 3.39471, -2.86, 76.68069, -996.89, 131.53298, -108.80,
     181.97973, +210664136.06},
    {1.00000011, -0.00000005, 0.01671022, -0.00003804, 0.00005, -46.94, -11.26064, -18228.25, 102.94719, +1198.28,
     100.46435, +129597740.63},
    {1.52366231, -0.00007221, 0.09341233, +0.00011902, 1.85061, -25.47, 49.57854, -1020.19, 336.04084, +1560.78,
     355.45332, +68905103.78},
    {5.20336301, +0.00060737, 0.04839266, -0.00012880, 1.30530, -4.15, 100.55615, +1217.17, 14.75385, +839.93,
     34.40438, +10925078.35},
    {9.53707032, -0.00301530, 0.05415060, -0.00036762, 2.48446, +6.11, 113.71504, -1591.05, 92.43194, -1948.89,
     49.94432, +4401052.95},
    {19.19126393, +0.00152025, 0.04716771, -0.00019150, 0.76986, -2.09, 74.22988, -1681.40, 170.96424, +1312.56,
     313.23218, +1542547.79},
    {30.06896348, -0.00125196, 0.00858587, +0.00002510, 1.76917, -3.64, 131.72169, -151.25, 44.97135, -844.43,
     304.88003, +786449.21},
    {39.48168677, -0.00076912, 0.24880766, +0.00006465, 17.14175, +11.07, 110.30347, -37.33, 224.06676, -132.25,
     238.92881, +522747.90},
}};

constexpr int kEarth = 2;

// The Kepler iteration converges in a few steps for every eccentricity below one;
// the bound only keeps a pathological input from spinning for ever.
constexpr int kMaxKeplerSteps = 100;

constexpr std::string_view kDegreeSign = "\u00B0";

struct Position {
  double X = 0.0, Y = 0.0, Z = 0.0;
};

// Heliocentric ecliptic coordinates from a body's elements; the Earth's own
// inclination and node are not used.
Position HeliocentricPosition(const OrbitalElementValues& p, bool earth) {
  const double M = NormalizeRadians(p.L - p.w);
  const double v = TrueAnomaly(M, p.e);
  const double r = p.a * (1 - p.e * p.e) / (1 + p.e * std::cos(v));
  if (earth) return {r * std::cos(v + p.w), r * std::sin(v + p.w), 0.0};
  const double u = v + p.w - p.Omega;
  const double cosOmega = std::cos(p.Omega), sinOmega = std::sin(p.Omega);
  const double cosU = std::cos(u), sinU = std::sin(u);
  const double cosI = std::cos(p.i);
  return {r * (cosOmega * cosU - sinU * sinOmega * cosI), r * (sinOmega * cosU + sinU * cosOmega * cosI),
          r * sinU * std::sin(p.i)};
}

// The Earth's heliocentric position at day number d.
Position EarthPosition(double d) { return HeliocentricPosition(OrbitalElements(kEarth, d), true); }

// Geocentric longitude in degrees, [0, 360), of a body at planet seen from earth.
double LongitudeSeenFromEarth(const Position& planet, const Position& earth) {
  const double x = planet.X - earth.X;
  const double y = planet.Y - earth.Y;
  double longitude = ATan2(y, x) * (180 / 3.14159265358979);
  longitude = detail::ReduceBelow(longitude, 360, false);
  return detail::RaiseAboveZero(longitude, 360);
}

// The last n characters of a UTF-8 text (continuation bytes belong to their character).
std::string_view LastCharacters(std::string_view s, int n) {
  std::size_t start = s.size();
  while (n > 0 && start > 0) {
    --start;
    if ((static_cast<unsigned char>(s[start]) & 0xC0) != 0x80) --n;
  }
  return s.substr(start);
}

// The field appended to text, a field of one character or none behind a "0".
void AppendPaddedTwo(std::string& text, std::string_view field) {
  if (field.size() <= 1) text += '0';
  text += field;
}

}  // namespace

int ZoneAmount(const std::string& text) {
  return static_cast<int>(ReadWholeNumber(text, INT16_MIN, INT16_MAX).value_or(0));
}

UniversalDateTime ToUniversal(int year, int month, int day, int hour, int minute, int zoneHours,
                              int zoneMinutes) {
  using namespace std::chrono;
  // A month outside 1..12 carries into the year and a day outside the month runs
  // on into the next ones, so any numbers make a date; real dates stay as they are.
  // The year is kept where the calendar types are exact.
  const long long months = static_cast<long long>(month) - 1;
  const long long y = std::clamp<long long>(year + detail::FloorDiv(months, 12), -30000, 30000);
  const unsigned m = static_cast<unsigned>(months - 12 * detail::FloorDiv(months, 12)) + 1;
  // Every step counts in 64 bits, so no sum of int arguments can overflow.
  const sys_days date =
      sys_days{std::chrono::year{static_cast<int>(y)} / std::chrono::month{m} / 1} + days{day - 1LL};
  const sys_time<minutes> local = date + hours{hour} + minutes{minute};
  // The calendar types hold the years -32767..32767; a moment beyond them stops at
  // their first or last minute.
  constexpr sys_time<minutes> first = sys_days{std::chrono::year{-32767} / January / 1};
  constexpr sys_time<minutes> last = sys_days{std::chrono::year{32767} / December / 31} + minutes{24 * 60 - 1};
  const sys_time<minutes> universal = std::clamp(local + hours{zoneHours} + minutes{zoneMinutes}, first, last);
  const sys_days universalDate = floor<days>(universal);
  const year_month_day ymd{universalDate};
  const hh_mm_ss<minutes> time{universal - universalDate};
  return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day())), static_cast<int>(time.hours().count()),
          static_cast<int>(time.minutes().count())};
}

double DayNumberJ2000(int year, int month, int day, int hour, int minute) {
  using std::floor;
  const double ut = hour + minute / 60.0;
  return 367.0 * year - floor(7.0 * (year + floor((month + 9.0) / 12.0)) / 4) + floor(275.0 * month / 9) + day -
         730531.5 + ut / 24;
}

double FixToZero(double x) { return x >= 0 ? std::floor(x) : std::floor(x) + 1; }

double NormalizeRadians(double x) {
  const double q = x / TwoPi;
  double r = (q - FixToZero(q)) * TwoPi;
  if (r < 0) r += TwoPi;
  return r;
}

double TrueAnomaly(double M, double e) {
  double E = M + e * std::sin(M) * (1 + e * std::cos(M));
  for (int step = 0; step < kMaxKeplerSteps; ++step) {
    const double previous = E;
    E = previous - (previous - e * std::sin(previous) - M) / (1 - e * std::cos(previous));
    if (!(std::fabs(E - previous) > KeplerTolerance)) break;
  }
  double v = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(E / 2));
  if (v < 0) v += TwoPi;
  return v;
}

OrbitalElementValues OrbitalElements(int body, double d) {
  OrbitalElementValues p;
  if (body < 0 || body >= BodyCount) return p;
  const Elements& k = kElements[static_cast<std::size_t>(body)];
  const double cy = d / 36525;
  p.a = k.a0 + k.a1 * cy;
  p.e = k.e0 + k.e1 * cy;
  p.i = DegToRad * (k.i0 + k.i1 * cy / 3600);
  p.Omega = DegToRad * (k.Omega0 + k.Omega1 * cy / 3600);
  p.w = DegToRad * (k.w0 + k.w1 * cy / 3600);
  p.L = NormalizeRadians(DegToRad * (k.L0 + k.L1 * cy / 3600));
  return p;
}

double GeocentricLongitude(int body, double d) {
  if (body < 0 || body >= BodyCount) return std::numeric_limits<double>::quiet_NaN();
  // The Sun, seen from the Earth, sits at the origin.
  const Position planet = body == kEarth ? Position{} : HeliocentricPosition(OrbitalElements(body, d), false);
  return LongitudeSeenFromEarth(planet, EarthPosition(d));
}

std::string ShortPositionText(const std::string& text) {
  const std::string_view t = detail::TrimBlanks(text);
  const auto degreeAt = t.find(kDegreeSign);
  const auto minuteAt = t.find('\'');
  if (degreeAt == std::string_view::npos || minuteAt == std::string_view::npos ||
      minuteAt < degreeAt + kDegreeSign.size())
    return {};
  const std::string_view degrees = detail::TrimBlanks(t.substr(0, degreeAt));
  const std::string_view minutes =
      detail::TrimBlanks(t.substr(degreeAt + kDegreeSign.size(), minuteAt - degreeAt - kDegreeSign.size()));
  const std::string_view code = detail::TrimBlanks(LastCharacters(text, 3));
  std::string result;
  AppendPaddedTwo(result, degrees);
  result += ' ';
  result += code;
  result += ' ';
  AppendPaddedTwo(result, minutes);
  return result;
}

std::string PositionText(double longitude) {
  const LongitudeParts parts = SplitLongitude(longitude);
  // Without a sign the longitude text ends oddly; it is cut as it stands.
  if (parts.Sign < 0) return ShortPositionText(FormatLongitude(longitude));
  // Otherwise the degrees and minutes of the longitude text, straight into the short form.
  std::string text;
  text.reserve(9);
  AppendPaddedTwo(text, detail::WholeText(parts.Degrees));
  text += ' ';
  text += SignCodes[static_cast<std::size_t>(parts.Sign)];
  text += ' ';
  AppendPaddedTwo(text, detail::WholeText(parts.Minutes));
  return text;
}

PlanetsResult PlanetsOf(const BirthRecordData& b, int zoneHours, int zoneMinutes, double moonLongitude,
                        double ascendantLongitude) {
  PlanetsResult result;
  result.Universal = ToUniversal(b.BirthYear, b.BirthMonth, b.BirthDay, b.BirthHour, b.BirthMinute, zoneHours,
                                 zoneMinutes);
  const UniversalDateTime& ut = result.Universal;
  result.DayNumber = DayNumberJ2000(ut.Year, ut.Month, ut.Day, ut.Hour, ut.Minute);

  // GeocentricLongitude for every body, with the Earth's orbit solved once for all.
  const Position earth = EarthPosition(result.DayNumber);
  for (int body = 0; body < BodyCount; ++body) {
    const Position planet =
        body == kEarth ? Position{} : HeliocentricPosition(OrbitalElements(body, result.DayNumber), false);
    result.BodyLongitudes[static_cast<std::size_t>(body)] = LongitudeSeenFromEarth(planet, earth);
  }

  // The chart's slots: the Sun (body 2), the Moon, Mercury, Venus, Mars to Saturn,
  // the ascendant.
  const std::array<double, BodyCount>& body = result.BodyLongitudes;
  result.Longitudes = {body[2], moonLongitude, body[0], body[1], body[3], body[4], body[5], ascendantLongitude, 0.0};
  for (std::size_t slot = 0; slot < 8; ++slot) result.Positions[slot] = PositionText(result.Longitudes[slot]);
  return result;
}

void CalcPlanetPositions() {
  static constexpr std::array<const char*, 8> kNames{"Sun", "Moon", "Mercury", "Venus",
                                                     "Mars", "Jupiter", "Saturn", "Asc"};
  for (std::size_t slot = 0; slot < kNames.size(); ++slot) PositionNames[slot] = kNames[slot];

  // Universal time: the zone's own signed amounts; the daylight-saving tick and the
  // birthplace play no part here.
  const std::optional<MoonResult>& moon = LastResults.Moon;
  const std::optional<AscendantResult>& ascendant = LastResults.Ascendant;
  const PlanetsResult& result = LastResults.Planets.emplace(
      PlanetsOf(BirthRecord, ZoneAmount(TzHoursText), ZoneAmount(TzMinutesText), moon ? moon->Values.Lambda : 0.0,
                ascendant ? ascendant->Values.Ascendant : 0.0));
  for (std::size_t slot = 0; slot < 8; ++slot) PlanetPositions[slot] = result.Positions[slot];
  if (!moon) PlanetPositions[1].clear();
  if (!ascendant) PlanetPositions[7].clear();
}

}  // namespace astro
