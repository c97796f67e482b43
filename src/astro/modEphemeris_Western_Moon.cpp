#include "astro/modEphemeris_Western_Moon.h"

#include <array>
#include <cmath>
#include <string_view>
#include <utility>

#include "astro/Shared.h"
#include "astro/modEphemeris_WesternHelpers.h"
#include "astro/modEphemeris_Western_Dasha.h"

namespace astro {

namespace {

// One periodic term: multiples of D, M, M' and F, the coefficient in degrees, and
// whether the term is scaled by the eccentricity factor E.
struct MoonTerm {
  int d;
  int m;
  int mp;
  int f;
  double c;
  bool e;
};

// Longitude: sine terms.
constexpr std::array<MoonTerm, 25> kLongitudeTerms = {{
    {0, 0, 1, 0, 6.288774, false},   {2, 0, -1, 0, 1.274027, false},  {2, 0, 0, 0, 0.658314, false},
    {0, 0, 2, 0, 0.213618, false},   {0, 1, 0, 0, -0.185116, true},   {0, 0, 0, 2, -0.114332, false},
    {2, 0, -2, 0, 0.058793, false},  {2, -1, -1, 0, 0.057066, true},  {2, 0, 1, 0, 0.053322, false},
    {2, -1, 0, 0, 0.045758, true},   {0, 1, -1, 0, -0.040923, true},  {1, 0, 0, 0, -0.034720, false},
    {0, 1, 1, 0, -0.030383, true},   {2, 0, 0, -2, 0.015327, false},  {0, 0, 1, 2, -0.012528, false},
    {0, 0, 1, -2, 0.010980, false},  {4, 0, -1, 0, 0.010675, false},  {0, 0, 3, 0, 0.010034, false},
    {4, 0, -2, 0, 0.008548, false},  {2, 1, -1, 0, -0.007888, true},  {2, 1, 0, 0, -0.006766, true},
    {1, 0, -1, 0, -0.005163, false}, {1, 1, 0, 0, 0.004987, true},    {2, -1, 1, 0, 0.004036, true},
    {2, 0, 2, 0, 0.003994, false},
}};

// Latitude: sine terms.
constexpr std::array<MoonTerm, 24> kLatitudeTerms = {{
    {0, 0, 0, 1, 5.128122, false},   {0, 0, 1, 1, 0.280602, false},   {0, 0, 1, -1, 0.277693, false},
    {2, 0, 0, -1, 0.173237, false},  {2, 0, -1, 1, 0.055413, false},  {2, 0, -1, -1, 0.046271, false},
    {2, 0, 0, 1, 0.032573, false},   {0, 0, 2, 1, 0.017198, false},   {2, 0, 1, -1, 0.009266, false},
    {0, 0, 2, -1, 0.008823, false},  {2, -1, 0, -1, 0.008247, true},  {2, 0, -2, -1, 0.004324, false},
    {2, 0, 1, 1, 0.004200, false},   {-2, -1, 0, 1, 0.003372, true},  {2, -1, -1, 1, 0.002472, true},
    {2, -1, 0, 1, 0.002222, true},   {2, -1, -1, -1, 0.002072, true}, {0, -1, 1, 1, 0.001877, true},
    {4, 0, -1, -1, 0.001828, false}, {0, 1, 0, 1, -0.001803, true},   {0, 0, 0, 3, -0.001750, false},
    {0, -1, 1, -1, 0.001570, true},  {1, 0, 0, 1, -0.001487, false},  {0, 1, 1, 1, -0.001481, true},
}};

// Horizontal parallax: cosine terms.
constexpr std::array<MoonTerm, 19> kParallaxTerms = {{
    {0, 0, 1, 0, 0.051818, false},   {2, 0, -1, 0, 0.009531, false},  {2, 0, 0, 0, 0.007843, false},
    {0, 0, 2, 0, 0.002824, false},   {2, 0, 1, 0, 0.000857, false},   {2, -1, 0, 0, 0.000533, true},
    {2, -1, -1, 0, 0.000401, true},  {0, -1, 1, 0, 0.000320, true},   {1, 0, 0, 0, -0.000271, false},
    {0, 1, 1, 0, -0.000264, true},   {0, 0, -1, 2, -0.000198, false}, {0, 0, 3, 0, 0.000173, false},
    {4, 0, -1, 0, 0.000167, false},  {0, 1, 0, 0, -0.000111, true},   {4, 0, -2, 0, 0.000103, false},
    {-2, 0, 2, 0, -0.000084, false}, {2, 1, 0, 0, -0.000083, true},   {2, 0, 2, 0, 0.000079, false},
    {4, 0, 0, 0, 0.000072, false},
}};

// Sum of c * f(argument) over a table, f being sin or cos of the radian argument.
template <std::size_t N>
double SeriesSum(const std::array<MoonTerm, N>& terms, const MoonWorkingValues& w, double (*f)(double)) {
  double sum = 0.0;
  for (const MoonTerm& t : terms) {
    const double arg = t.d * w.D + t.m * w.M + t.mp * w.MPrime + t.f * w.F;
    sum += (t.e ? t.c * w.E : t.c) * f(arg);
  }
  return sum;
}

double Sin(double x) { return std::sin(x); }
double Cos(double x) { return std::cos(x); }

// Axis ratio of the Earth's ellipsoid.
constexpr double kAxisRatio = 0.996647;

// Time and place: zone, longitude, latitude, universal time, the birth date's
// Julian day, sidereal time, T and the obliquity.
void TimeAndPlace(const BirthRecordData& r, MoonWorkingValues& w) {
  w.zone = r.TzHours + r.TzMinutes / 60.0;
  w.lon = r.LongDegree + r.LongMinute / 60.0;
  if (r.IsEast) w.lon = -w.lon;
  w.lat = r.LatDegree + r.LatMinute / 60.0;
  if (r.IsSouth) w.lat = -w.lat;
  // The birthplace's hemisphere decides the zone's direction, and daylight saving
  // always moves universal time one hour earlier. Exactly 0 counts as West.
  if (r.IsDST) w.zone += w.lon < 0 ? 1.0 : -1.0;
  w.local = r.BirthHour + r.BirthMinute / 60.0;
  w.ut = w.lon < 0 ? w.local - w.zone : w.local + w.zone;
  w.BirthJD = JulianDayNumber(r.BirthMonth, r.BirthDay, r.BirthYear);
  const double t0 = (w.BirthJD - 2451545.0 - 0.5) / 36525.0;
  w.gst = SiderealTime(t0, w.ut);
  w.T = (w.BirthJD - 2451545.0 + w.ut / 24.0 - 0.5) / 36525.0;
  w.Ayanamsa = AyanamsaJ2000(w.T);
  w.Ayanamsa = 0.0;  // every longitude the program reports is tropical
  w.Obliquity = 23.452294 - 0.0130125 * (w.T + 1.0);
}

void MeanElements(MoonWorkingValues& w) {
  const double T = w.T;
  w.LPrime = 218.3164591 + 481267.88134236 * T;
  w.D = (297.8502042 + 445267.1115168 * T) * DegToRad;
  w.M = (357.5291092 + 35999.0502909 * T) * DegToRad;
  w.MPrime = (134.9634114 + 477198.8676313 * T) * DegToRad;
  w.F = (93.2720993 + 483202.0175273 * T) * DegToRad;
  w.E = 1.0 - 0.002516 * T - 0.0000074 * T * T;
}

// Moves the geocentric position to the birth place at sea level and returns the
// topocentric longitude.
double Topocentric(MoonWorkingValues& w) {
  const EquatorialPosition geocentric = EclipticToEquatorial(w.Lambda, w.Beta, w.Obliquity);
  const double alpha = geocentric.RA;
  const double delta = geocentric.Dec * DegToRad;

  w.Theta = detail::RaiseAboveZero(w.gst - w.lon / 15.0, 24.0);
  w.Theta = detail::ReduceBelow(w.Theta, 24.0, false);

  const double u = std::atan(kAxisRatio * std::tan(w.lat * DegToRad));
  const double H = 15.0 * (w.Theta - alpha);
  const double hRad = H * DegToRad;
  const double deltaShift =
      ATan2(std::cos(u) * std::sin(hRad), w.Rho * std::cos(delta) - std::cos(u) * std::cos(hRad)) * RadToDeg;
  const double alphaTopo = alpha - deltaShift / 15.0;

  const double numerator = std::cos((H + deltaShift) * DegToRad) *
                           (w.Rho * std::sin(delta) - kAxisRatio * std::sin(u));
  const double denominator = w.Rho * std::cos(delta) * std::cos(hRad) - std::cos(u);
  // A zero over zero has no direction; the declination is then taken as 0 rather
  // than carrying a non-number into the longitude and the dasha dates.
  const double quotient = (numerator == 0.0 && denominator == 0.0) ? 0.0 : numerator / denominator;
  const double deltaTopo = std::atan(quotient) * RadToDeg;
  return EquatorialToEcliptic(alphaTopo, deltaTopo, w.Obliquity);
}

}  // namespace

MoonResult MoonOf(const BirthRecordData& birth) {
  MoonResult result;
  MoonWorkingValues& w = result.Values;
  TimeAndPlace(birth, w);
  MeanElements(w);

  double lambda = w.LPrime + SeriesSum(kLongitudeTerms, w, Sin);
  lambda = detail::RaiseAboveZero(lambda, 360.0);
  lambda = detail::ReduceBelow(lambda, 360.0, false);  // exactly 360 stays
  w.Lambda = lambda;
  w.Beta = SeriesSum(kLatitudeTerms, w, Sin);
  w.Parallax = 0.950724 + SeriesSum(kParallaxTerms, w, Cos);
  w.Rho = 1.0 / std::sin(w.Parallax * DegToRad);

  const double topocentric = Topocentric(w);

  w.Lambda += w.Ayanamsa;
  if (w.Lambda < 0) w.Lambda += 360.0;
  result.LongitudeText = FormatLongitude(w.Lambda);

  w.TopoLambda = topocentric + w.Ayanamsa;
  if (w.TopoLambda < 0) w.TopoLambda += 360.0;
  result.TopoLongitudeText = FormatLongitude(w.TopoLambda);

  const int sign = SignOfLongitude(w.Lambda);
  if (sign >= 0) result.Rashi = SignNames[static_cast<std::size_t>(sign)];
  return result;
}

void CalcMoonAndDasha() {
  MoonResult& moon = LastResults.Moon.emplace(MoonOf(BirthRecord));
  MoonLongitudeText = moon.LongitudeText;
  TopoMoonLongitudeText = moon.TopoLongitudeText;
  if (!moon.Rashi.empty()) RashiName = moon.Rashi;

  DashaTexts dasha = DashaOf(moon.Values.Lambda, moon.Values.TopoLambda, moon.Values.BirthJD, PresentLocalDate());
  MoonNakshatra = std::move(dasha.MoonNakshatra);
  TopoMoonNakshatra = std::move(dasha.TopoMoonNakshatra);
  MoonDashaLords = std::move(dasha.MoonDashaLords);
  TopoDashaLords = std::move(dasha.TopoDashaLords);
  NextDashaText = std::move(dasha.NextDashaText);
  TopoNextDashaText = std::move(dasha.TopoNextDashaText);
  DashaBalanceText = std::move(dasha.DashaBalanceText);
  RunningDashaText = std::move(dasha.RunningDashaText);
  TopoRunningDashaText = std::move(dasha.TopoRunningDashaText);
}

}  // namespace astro
