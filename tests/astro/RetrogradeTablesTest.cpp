// The built-in retrograde tables: shape, fixed rows, order, coverage of 1901..2050,
// and agreement with station times computed independently (VSOP87 through PyEphem).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <regex>
#include <span>
#include <string>
#include <vector>

#include "astro/Astro.h"

namespace {

using namespace std::chrono;

struct TableView {
  const char* name;
  void (*load)();
  std::span<std::string> starts;  // all slots, the empty last one included
  std::span<std::string> ends;
  std::size_t periods;
  double synodicDays;
};

std::vector<TableView> AllTables() {
  using namespace astro;
  return {
      {"Mercury", LoadMercuryRetrogrades, MercuryRetroStart, MercuryRetroEnd, 476, 115.88},
      {"Venus", LoadVenusRetrogrades, VenusRetroStart, VenusRetroEnd, 95, 583.92},
      {"Mars", LoadMarsRetrogrades, MarsRetroStart, MarsRetroEnd, 71, 779.94},
      {"Jupiter", LoadJupiterRetrogrades, JupiterRetroStart, JupiterRetroEnd, 139, 398.88},
      {"Saturn", LoadSaturnRetrogrades, SaturnRetroStart, SaturnRetroEnd, 146, 378.09},
      {"Uranus", LoadUranusRetrogrades, UranusRetroStart, UranusRetroEnd, 150, 369.66},
      {"Neptune", LoadNeptuneRetrogrades, NeptuneRetroStart, NeptuneRetroEnd, 150, 367.49},
      {"Pluto", LoadPlutoRetrogrades, PlutoRetroStart, PlutoRetroEnd, 151, 366.73},
  };
}

const TableView& Table(const std::string& name) {
  static const std::vector<TableView> tables = [] {
    auto t = AllTables();
    for (auto& v : t) v.load();
    return t;
  }();
  for (const auto& t : tables)
    if (name == t.name) return t;
  throw std::runtime_error("no table " + name);
}

// Minutes since 1970-01-01 00:00 of a row, checking the row on the way.
long long RowMinutes(const std::string& row) {
  static const std::regex format(R"(^(1[0-2]|[1-9]),([1-9]|[12][0-9]|3[01]),(1[89][0-9]{2}|20[0-9]{2}),(1?[0-9]|2[0-3]),([1-5]?[0-9]),$)");
  std::smatch m;
  if (!std::regex_match(row, m, format)) {
    ADD_FAILURE() << "row not in the format: \"" << row << "\"";
    return 0;
  }
  const year_month_day date{year{std::stoi(m[3])}, month{unsigned(std::stoi(m[1]))}, day{unsigned(std::stoi(m[2]))}};
  if (!date.ok()) ADD_FAILURE() << "no such calendar date: \"" << row << "\"";
  return sys_days{date}.time_since_epoch().count() * 1440LL + std::stoll(m[4]) * 60 + std::stoll(m[5]);
}

long long DayMinutes(int y, unsigned m, unsigned d) {
  return sys_days{year{y} / month{m} / day{d}}.time_since_epoch().count() * 1440LL;
}

TEST(RetrogradeTables, CountsAndEmptyLastSlot) {
  std::size_t total = 0;
  for (const auto& name : {"Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto"}) {
    const TableView& t = Table(name);
    SCOPED_TRACE(name);
    ASSERT_EQ(t.starts.size(), t.periods + 1);
    ASSERT_EQ(t.ends.size(), t.periods + 1);
    for (std::size_t i = 0; i < t.periods; ++i) {
      EXPECT_FALSE(t.starts[i].empty()) << i;
      EXPECT_FALSE(t.ends[i].empty()) << i;
    }
    EXPECT_EQ(t.starts[t.periods], "");
    EXPECT_EQ(t.ends[t.periods], "");
    total += t.periods;
  }
  EXPECT_EQ(total, 1378u);
}

TEST(RetrogradeTables, LoadersWriteTheSameRowsAndLeaveTheLastSlot) {
  for (const TableView& t : AllTables()) {
    SCOPED_TRACE(t.name);
    t.load();
    const std::vector<std::string> before(t.starts.begin(), t.starts.end());
    t.starts[t.periods] = "untouched";
    t.ends[t.periods] = "untouched";
    t.starts[0] = "scribbled";
    t.load();
    EXPECT_EQ(t.starts[0], before[0]);
    EXPECT_EQ(t.starts[t.periods], "untouched");
    EXPECT_EQ(t.ends[t.periods], "untouched");
    t.starts[t.periods] = "";
    t.ends[t.periods] = "";
  }
}

TEST(RetrogradeTables, FixedRowsAsTheProgramHasAlwaysCarriedThem) {
  struct Row {
    const char* planet;
    std::size_t row;
    const char* start;
    const char* end;
  };
  const Row rows[] = {
      {"Mercury", 0, "3,15,1900,13,19,", "4,7,1900,18,42,"},
      {"Mercury", 315, "2,21,2000,0,39,", "3,14,2000,20,28,"},
      {"Mercury", 475, "12,1,2050,17,17,", "12,21,2050,11,33,"},
      {"Venus", 0, "6,16,1900,22,56,", "7,30,1900,2,44,"},
      {"Venus", 1, "1,25,1902,3,30,", "3,7,1902,13,41,"},
      {"Venus", 63, "3,9,2001,1,36,", "4,20,2001,5,21,"},
      {"Venus", 94, "9,25,2050,22,15,", "11,6,2050,19,4,"},
      {"Mars", 0, "1,13,1901,6,16,", "4,4,1901,7,21,"},
      {"Mars", 47, "5,11,2001,14,4,", "7,19,2001,21,22,"},
      {"Mars", 70, "7,15,2050,5,50,", "9,13,2050,9,41,"},
      {"Jupiter", 0, "3,27,1900,20,39,", "7,29,1900,1,35,"},
      {"Jupiter", 92, "9,29,2000,0,45,", "1,25,2001,14,49,"},
      {"Jupiter", 138, "12,21,2050,13,21,", "4,21,2051,23,46,"},
      {"Saturn", 0, "4,14,1900,6,2,", "9,2,1900,14,39,"},
      {"Saturn", 97, "9,12,2000,10,33,", "1,24,2001,23,10,"},
      {"Saturn", 145, "5,18,2050,13,6,", "10,6,2050,11,5,"},
      {"Uranus", 0, "3,17,1900,17,36,", "8,17,1900,15,27,"},
      {"Uranus", 99, "5,25,2000,4,59,", "10,26,2000,11,34,"},
      {"Uranus", 149, "12,30,2050,15,40,", "5,29,2051,6,22,"},
      {"Neptune", 0, "10,2,1900,13,58,", "3,8,1901,0,45,"},
      {"Neptune", 99, "5,8,2000,7,37,", "10,15,2000,9,38,"},
      {"Neptune", 149, "8,31,2050,13,52,", "2,4,2051,10,41,"},
      {"Pluto", 0, "9,16,1899,5,48,", "2,27,1900,7,36,"},
      {"Pluto", 100, "3,15,2000,7,35,", "8,20,2000,17,4,"},
      {"Pluto", 150, "6,10,2050,3,49,", "11,21,2050,16,16,"},
  };
  for (const Row& r : rows) {
    const TableView& t = Table(r.planet);
    EXPECT_EQ(t.starts[r.row], r.start) << r.planet << " row " << r.row;
    EXPECT_EQ(t.ends[r.row], r.end) << r.planet << " row " << r.row;
  }
  // Those rows are each planet's first period that begins in 2000 or later.
  const std::pair<const char*, std::size_t> firstOf2000[] = {{"Mercury", 315}, {"Venus", 63}, {"Mars", 47},
                                                             {"Jupiter", 92}, {"Saturn", 97}, {"Uranus", 99},
                                                             {"Neptune", 99}, {"Pluto", 100}};
  for (const auto& [planet, row] : firstOf2000) {
    EXPECT_GE(RowMinutes(Table(planet).starts[row]), DayMinutes(2000, 1, 1)) << planet;
    EXPECT_LT(RowMinutes(Table(planet).starts[row - 1]), DayMinutes(2000, 1, 1)) << planet;
  }
}

TEST(RetrogradeTables, RowsAreValidAscendingAndCoverEveryDateFrom1901To2050) {
  for (const TableView& t : AllTables()) {
    SCOPED_TRACE(t.name);
    const TableView& v = Table(t.name);
    long long longest = 0;
    for (std::size_t i = 0; i < v.periods; ++i) {
      const long long start = RowMinutes(v.starts[i]);
      const long long end = RowMinutes(v.ends[i]);
      EXPECT_LT(start, end) << "row " << i;
      longest = std::max(longest, end - start);
      if (i + 1 < v.periods) {
        const long long next = RowMinutes(v.starts[i + 1]);
        EXPECT_LT(end, next) << "row " << i;
        // Consecutive retrograde periods lie one synodic period apart: a missing
        // period would double the step, a spurious one halve it.
        const double stepDays = double(next - start) / 1440.0;
        EXPECT_GT(stepDays, 0.85 * t.synodicDays) << "row " << i;
        EXPECT_LT(stepDays, 1.15 * t.synodicDays) << "row " << i;
      }
    }
    // The period before the first row ended, and the one after the last row starts,
    // outside 1901..2050.
    const long long minStep = static_cast<long long>(0.85 * t.synodicDays * 1440.0);
    EXPECT_LT(RowMinutes(v.starts[0]) - minStep + longest, DayMinutes(1901, 1, 1));
    EXPECT_GT(RowMinutes(v.ends[v.periods - 1]) + minStep - longest, DayMinutes(2051, 1, 1));
  }
}

TEST(RetrogradeTables, StationsAgreeWithAnIndependentEphemeris) {
  // Stations found with PyEphem (VSOP87) as roots of the ecliptic longitude's speed,
  // in Universal Time: planet, row, start, end.
  struct Sample {
    const char* planet;
    std::size_t row;
    int sy, smo, sd, sh, smi;
    int ey, emo, ed, eh, emi;
  };
  const Sample samples[] = {
      {"Mercury", 95, 1930, 5, 8, 22, 20, 1930, 6, 1, 18, 39},
      {"Mercury", 241, 1976, 9, 8, 22, 5, 1976, 10, 1, 4, 0},
      {"Mercury", 380, 2020, 10, 14, 1, 6, 2020, 11, 3, 17, 50},
      {"Venus", 19, 1930, 11, 2, 3, 52, 1930, 12, 13, 6, 24},
      {"Venus", 50, 1980, 5, 24, 20, 12, 1980, 7, 6, 21, 16},
      {"Venus", 76, 2021, 12, 19, 10, 37, 2022, 1, 29, 8, 49},
      {"Mars", 14, 1930, 12, 18, 13, 32, 1931, 3, 8, 13, 42},
      {"Mars", 38, 1982, 2, 20, 19, 4, 1982, 5, 11, 18, 29},
      {"Mars", 56, 2020, 9, 9, 22, 17, 2020, 11, 14, 0, 28},
      {"Jupiter", 27, 1929, 10, 5, 9, 25, 1930, 1, 31, 8, 35},
      {"Jupiter", 72, 1978, 11, 25, 19, 59, 1979, 3, 26, 0, 1},
      {"Jupiter", 111, 2021, 6, 20, 14, 30, 2021, 10, 18, 4, 37},
      {"Saturn", 29, 1930, 4, 21, 13, 9, 1930, 9, 9, 21, 58},
      {"Saturn", 76, 1978, 12, 24, 20, 2, 1979, 5, 9, 13, 19},
      {"Saturn", 116, 2020, 5, 11, 2, 19, 2020, 9, 29, 3, 25},
      {"Uranus", 30, 1930, 7, 21, 12, 34, 1930, 12, 21, 8, 44},
      {"Uranus", 78, 1979, 2, 24, 9, 17, 1979, 7, 26, 8, 7},
      {"Uranus", 120, 2021, 8, 19, 22, 15, 2022, 1, 18, 13, 15},
      {"Neptune", 30, 1930, 12, 8, 14, 7, 1931, 5, 14, 20, 15},
      {"Neptune", 78, 1979, 3, 23, 3, 14, 1979, 8, 30, 7, 1},
      {"Neptune", 120, 2021, 6, 25, 13, 1, 2021, 12, 1, 9, 3},
      {"Pluto", 30, 1929, 10, 20, 19, 27, 1930, 3, 31, 16, 26},
      {"Pluto", 78, 1978, 1, 18, 20, 6, 1978, 6, 24, 3, 42},
      {"Pluto", 120, 2020, 4, 25, 13, 48, 2020, 10, 4, 7, 39},
  };
  constexpr long long toleranceMinutes = 10;
  for (const Sample& s : samples) {
    const TableView& t = Table(s.planet);
    const long long start = DayMinutes(s.sy, unsigned(s.smo), unsigned(s.sd)) + s.sh * 60 + s.smi;
    const long long end = DayMinutes(s.ey, unsigned(s.emo), unsigned(s.ed)) + s.eh * 60 + s.emi;
    EXPECT_NEAR(double(RowMinutes(t.starts[s.row])), double(start), toleranceMinutes) << s.planet << " " << s.row;
    EXPECT_NEAR(double(RowMinutes(t.ends[s.row])), double(end), toleranceMinutes) << s.planet << " " << s.row;
  }
}

}  // namespace
