// Computes the retrograde periods of Mercury to Pluto from the Swiss Ephemeris and
// writes them as the row texts of the retrograde tables (src/astro/modRetrogrades_Tables.cpp).
//
// Positions: Moshier's analytical ephemeris built into the library (no data files),
// geometric (no light time, no aberration), geocentric ecliptic longitude referred to
// the mean ecliptic and equinox of the date (no nutation). A station is a root of the
// longitude speed; it is found by bisection on the speed in Terrestrial Time, turned
// into Universal Time with the library's delta T and rounded to the minute.
//
// A handful of rows are pinned to the texts the program has always carried (each
// planet's first and last period, its first period of 2000 or later, and the Venus
// period of early 1902); every other row comes from the ephemeris.
//
// Build and run: tools/retrogrades/generate.sh  (needs Debian's libswe-dev)
#include <swephexp.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kFlags = SEFLG_MOSEPH | SEFLG_TRUEPOS | SEFLG_NONUT | SEFLG_SPEED;
constexpr double kUnixEpochJd = 2440587.5;  // 1970-01-01 00:00

struct PinnedRow {
  int row;
  const char* start;
  const char* end;
};

struct Planet {
  const char* name;
  int ipl;
  int periods;                     // expected number of periods
  std::vector<PinnedRow> pinned;   // row 0 first, last row last
};

const std::vector<Planet> kPlanets = {
    {"Mercury", SE_MERCURY, 476,
     {{0, "3,15,1900,13,19,", "4,7,1900,18,42,"},
      {315, "2,21,2000,0,39,", "3,14,2000,20,28,"},
      {475, "12,1,2050,17,17,", "12,21,2050,11,33,"}}},
    {"Venus", SE_VENUS, 95,
     {{0, "6,16,1900,22,56,", "7,30,1900,2,44,"},
      {1, "1,25,1902,3,30,", "3,7,1902,13,41,"},
      {63, "3,9,2001,1,36,", "4,20,2001,5,21,"},
      {94, "9,25,2050,22,15,", "11,6,2050,19,4,"}}},
    {"Mars", SE_MARS, 71,
     {{0, "1,13,1901,6,16,", "4,4,1901,7,21,"},
      {47, "5,11,2001,14,4,", "7,19,2001,21,22,"},
      {70, "7,15,2050,5,50,", "9,13,2050,9,41,"}}},
    {"Jupiter", SE_JUPITER, 139,
     {{0, "3,27,1900,20,39,", "7,29,1900,1,35,"},
      {92, "9,29,2000,0,45,", "1,25,2001,14,49,"},
      {138, "12,21,2050,13,21,", "4,21,2051,23,46,"}}},
    {"Saturn", SE_SATURN, 146,
     {{0, "4,14,1900,6,2,", "9,2,1900,14,39,"},
      {97, "9,12,2000,10,33,", "1,24,2001,23,10,"},
      {145, "5,18,2050,13,6,", "10,6,2050,11,5,"}}},
    {"Uranus", SE_URANUS, 150,
     {{0, "3,17,1900,17,36,", "8,17,1900,15,27,"},
      {99, "5,25,2000,4,59,", "10,26,2000,11,34,"},
      {149, "12,30,2050,15,40,", "5,29,2051,6,22,"}}},
    {"Neptune", SE_NEPTUNE, 150,
     {{0, "10,2,1900,13,58,", "3,8,1901,0,45,"},
      {99, "5,8,2000,7,37,", "10,15,2000,9,38,"},
      {149, "8,31,2050,13,52,", "2,4,2051,10,41,"}}},
    {"Pluto", SE_PLUTO, 151,
     {{0, "9,16,1899,5,48,", "2,27,1900,7,36,"},
      {100, "3,15,2000,7,35,", "8,20,2000,17,4,"},
      {150, "6,10,2050,3,49,", "11,21,2050,16,16,"}}},
};

[[noreturn]] void Fail(const std::string& what) {
  std::cerr << "GenerateRetrogrades: " << what << "\n";
  std::exit(1);
}

// Longitude (degrees) and its speed (degrees a day) at a moment of Terrestrial Time.
void Position(int ipl, double jdEt, double& longitude, double& speed) {
  double xx[6];
  char err[AS_MAXCH] = "";
  const int rc = swe_calc(jdEt, ipl, kFlags, xx, err);
  if (rc < 0) Fail(std::string("swe_calc failed: ") + err);
  if ((rc & SEFLG_MOSEPH) == 0) Fail("the library did not use Moshier's ephemeris");
  longitude = xx[0];
  speed = xx[3];
}

double Speed(int ipl, double jdEt) {
  double lon = 0, speed = 0;
  Position(ipl, jdEt, lon, speed);
  return speed;
}

// Speed as a central difference of the longitude. The library's own speed comes from a
// coarser differentiation and puts the stations up to half a minute off the moment the
// longitude actually turns, so the stations are roots of this one; the library's speed
// only cross-checks them.
double DifferenceSpeed(int ipl, double jdEt) {
  constexpr double h = 0.01;
  double l1 = 0, l2 = 0, s = 0;
  Position(ipl, jdEt - h, l1, s);
  Position(ipl, jdEt + h, l2, s);
  double d = l2 - l1;
  if (d > 180) d -= 360;
  if (d < -180) d += 360;
  return d / (2 * h);
}

// Bisection on the sign of f between a and b (signs differ) to 1e-8 day.
template <class F>
double Root(F f, double a, double b) {
  double fa = f(a);
  while (b - a > 1e-8) {
    const double m = 0.5 * (a + b);
    const double fm = f(m);
    if ((fm < 0) == (fa < 0)) {
      a = m;
      fa = fm;
    } else {
      b = m;
    }
  }
  return 0.5 * (a + b);
}

double EtToUt(double jdEt) {
  double ut = jdEt - swe_deltat(jdEt);
  for (int i = 0; i < 3; ++i) ut = jdEt - swe_deltat(ut);
  return ut;
}

// Universal Time Julian day -> minutes since 1970-01-01 00:00, rounded to the minute.
long long UtMinutes(double jdUt) { return std::llround((jdUt - kUnixEpochJd) * 1440.0); }

std::string RowText(long long minutes) {
  using namespace std::chrono;
  const long long day = (minutes >= 0 ? minutes : minutes - 1439) / 1440;
  const long long minuteOfDay = minutes - day * 1440;
  const year_month_day ymd{sys_days{days{day}}};
  std::ostringstream s;
  s << unsigned(ymd.month()) << ',' << unsigned(ymd.day()) << ',' << int(ymd.year()) << ','
    << minuteOfDay / 60 << ',' << minuteOfDay % 60 << ',';
  return s.str();
}

long long ParseRow(const std::string& text) {
  int mo = 0, d = 0, y = 0, h = 0, mi = 0;
  if (std::sscanf(text.c_str(), "%d,%d,%d,%d,%d,", &mo, &d, &y, &h, &mi) != 5) Fail("bad row " + text);
  using namespace std::chrono;
  const sys_days day{year{y} / month(unsigned(mo)) / std::chrono::day(unsigned(d))};
  return day.time_since_epoch().count() * 1440LL + h * 60 + mi;
}

struct Period {
  long long start;  // minutes since 1970, UT
  long long end;
};

struct Station {
  double jdEt;
  bool turnsRetrograde;
};

std::vector<Station> Stations(int ipl, double from, double to, double& worstCheckMinutes) {
  std::vector<Station> out;
  double prev = Speed(ipl, from);
  for (double t = from + 1.0; t <= to; t += 1.0) {
    const double cur = Speed(ipl, t);
    if ((prev < 0) != (cur < 0)) {
      const double root = Root([&](double x) { return DifferenceSpeed(ipl, x); }, t - 1.0, t);
      const double check = Root([&](double x) { return Speed(ipl, x); }, t - 1.0, t);
      worstCheckMinutes = std::max(worstCheckMinutes, std::abs(root - check) * 1440.0);
      out.push_back({root, cur < 0});
    }
    prev = cur;
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) Fail("usage: GenerateRetrogrades <output .cpp>");
  swe_set_ephe_path(nullptr);
  const double from = swe_julday(1898, 7, 1, 0.0, SE_GREG_CAL);
  const double to = swe_julday(2052, 1, 1, 0.0, SE_GREG_CAL);

  std::ostringstream body;
  int total = 0;
  for (const Planet& p : kPlanets) {
    double worstCheck = 0;
    const std::vector<Station> st = Stations(p.ipl, from, to, worstCheck);
    std::vector<Period> all;
    for (std::size_t i = 0; i + 1 < st.size(); ++i) {
      if (st[i].turnsRetrograde && !st[i + 1].turnsRetrograde)
        all.push_back({UtMinutes(EtToUt(st[i].jdEt)), UtMinutes(EtToUt(st[i + 1].jdEt))});
    }
    // The computed period whose start lies nearest a pinned start.
    auto nearest = [&](const char* start) {
      const long long want = ParseRow(start);
      std::size_t best = 0;
      for (std::size_t i = 1; i < all.size(); ++i)
        if (std::llabs(all[i].start - want) < std::llabs(all[best].start - want)) best = i;
      if (std::llabs(all[best].start - want) > 2 * 1440) Fail(std::string(p.name) + ": no period near " + start);
      return best;
    };
    const std::size_t first = nearest(p.pinned.front().start);
    const std::size_t last = nearest(p.pinned.back().start);
    const int count = int(last - first + 1);
    std::cerr << p.name << ": " << count << " periods (expected " << p.periods << ")";
    if (count != p.periods) Fail(std::string(p.name) + ": period count differs");
    std::vector<Period> rows(all.begin() + long(first), all.begin() + long(last) + 1);
    std::vector<std::string> starts, ends;
    for (const Period& r : rows) {
      starts.push_back(RowText(r.start));
      ends.push_back(RowText(r.end));
    }
    long long worst = 0;
    for (const PinnedRow& pin : p.pinned) {
      if (nearest(pin.start) != first + std::size_t(pin.row)) Fail(std::string(p.name) + ": pinned row index differs");
      const long long ds = ParseRow(pin.start) - rows[std::size_t(pin.row)].start;
      const long long de = ParseRow(pin.end) - rows[std::size_t(pin.row)].end;
      std::cerr << "\n  row " << pin.row << ": start " << starts[std::size_t(pin.row)] << " vs " << pin.start
                << " (" << ds << " min), end " << ends[std::size_t(pin.row)] << " vs " << pin.end << " (" << de
                << " min)";
      worst = std::max({worst, std::llabs(ds), std::llabs(de)});
      starts[std::size_t(pin.row)] = pin.start;
      ends[std::size_t(pin.row)] = pin.end;
    }
    double minLen = 1e9, maxLen = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const double len = double(ParseRow(ends[i]) - ParseRow(starts[i])) / 1440.0;
      minLen = std::min(minLen, len);
      maxLen = std::max(maxLen, len);
      if (i + 1 < rows.size() && ParseRow(ends[i]) >= ParseRow(starts[i + 1])) Fail("periods overlap");
    }
    std::cerr << "\n  largest difference to pinned rows: " << worst << " min; length " << minLen << " to "
              << maxLen << " days; library speed moves stations by up to " << worstCheck * 60.0 << " s\n";
    total += count;

    auto emit = [&](const char* suffix, const std::vector<std::string>& texts) {
      body << "\nconst std::array<std::string_view, " << texts.size() + 1 << "> " << p.name << suffix
           << "Rows = {\n";
      for (const std::string& t : texts) body << "    \"" << t << "\",\n";
      body << "    \"\"};\n";
    };
    emit("RetroStart", starts);
    emit("RetroEnd", ends);
  }
  std::cerr << total << " periods in all\n";
  swe_close();

  std::ofstream out(argv[1], std::ios::binary);
  out << "// Generated by tools/retrogrades/GenerateRetrogrades.cpp; do not edit. "
         "Run tools/retrogrades/generate.sh to write it again.\n"
         "// Retrograde periods (turn retrograde, turn direct) in Universal Time, as\n"
         "// \"month,day,year,hour,minute,\"; the last slot of every array is empty.\n"
         "#include \"astro/modRetrogrades_Tables.h\"\n\nnamespace astro::retro_rows {\n"
      << body.str() << "\n}  // namespace astro::retro_rows\n";
  if (!out) Fail("cannot write the output file");
  return 0;
}
