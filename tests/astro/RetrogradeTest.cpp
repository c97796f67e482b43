// The retrograde test and the marks on the chart's planet names.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "astro/Astro.h"
#include "TestBirths.h"

namespace {

using namespace std::chrono;
using astro::IsRetrograde;
using astro::RetroDateTime;

RetroDateTime At(int y, unsigned m, unsigned d, int h = 0, int mi = 0) {
  return local_days{year{y} / month{m} / day{d}} + hours{h} + minutes{mi};
}


// A birth at a calendar date and clock time, in year-month-day order.
astro::BirthRecordData Birth(int y, int m, int d, int h = 12, int mi = 0) { return astro_test::Record(m, d, y, h, mi); }

// The chart's names after MarkRetrogrades for a birth, from names that were stale.
std::array<std::string, 11> MarkedNames(const astro::BirthRecordData& birth) {
  astro::PlanetNames = {"x", "x", "x", "x", "x", "x", "x", "Rahu", "Ketu", "Ascendant", ""};
  astro::BirthRecord = birth;
  astro::MarkRetrogrades();
  return astro::PlanetNames;
}

const char* const kPlanets[] = {"Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto"};

TEST(IsRetrograde, StationDaysCountAsDirectWhateverTheTime) {
  // Venus turned retrograde on 25 January 1902 at 3:30 and direct on 7 March at 13:41.
  EXPECT_FALSE(IsRetrograde(At(1902, 1, 25), "Venus"));
  EXPECT_FALSE(IsRetrograde(At(1902, 1, 25, 23, 0), "Venus"));
  EXPECT_TRUE(IsRetrograde(At(1902, 1, 26, 0, 0), "Venus"));
  EXPECT_TRUE(IsRetrograde(At(1902, 3, 6, 23, 59), "Venus"));
  EXPECT_FALSE(IsRetrograde(At(1902, 3, 7, 0, 1), "Venus"));
  EXPECT_FALSE(IsRetrograde(At(1902, 3, 7, 23, 59), "Venus"));
  // Mercury, 21 February to 14 March 2000.
  EXPECT_FALSE(IsRetrograde(At(2000, 2, 21, 12, 0), "Mercury"));
  EXPECT_TRUE(IsRetrograde(At(2000, 2, 22), "Mercury"));
  EXPECT_TRUE(IsRetrograde(At(2000, 3, 13, 23, 59), "Mercury"));
  EXPECT_FALSE(IsRetrograde(At(2000, 3, 14), "Mercury"));
}

TEST(IsRetrograde, LastDayOf2050) {
  const RetroDateTime date = At(2050, 12, 31, 18, 30);
  EXPECT_TRUE(IsRetrograde(date, "Jupiter"));
  EXPECT_TRUE(IsRetrograde(date, "Uranus"));
  EXPECT_TRUE(IsRetrograde(date, "Neptune"));
  EXPECT_FALSE(IsRetrograde(date, "Mercury"));
  EXPECT_FALSE(IsRetrograde(date, "Pluto"));
}

TEST(IsRetrograde, OutsideTheTablesAndUnknownNames) {
  for (const char* planet : kPlanets) {
    EXPECT_FALSE(IsRetrograde(At(1890, 6, 1), planet)) << planet;
    EXPECT_FALSE(IsRetrograde(At(2060, 6, 1), planet)) << planet;
  }
  EXPECT_FALSE(IsRetrograde(At(1900, 3, 14), "Mercury"));
  EXPECT_FALSE(IsRetrograde(At(2050, 11, 22), "Pluto"));
  EXPECT_TRUE(IsRetrograde(At(2050, 11, 20), "Pluto"));
  // Names are compared exactly.
  EXPECT_TRUE(IsRetrograde(At(2000, 3, 1), "Mercury"));
  EXPECT_FALSE(IsRetrograde(At(2000, 3, 1), "mercury"));
  EXPECT_FALSE(IsRetrograde(At(2000, 3, 1), "Mercury "));
  EXPECT_FALSE(IsRetrograde(At(2000, 3, 1), "Sun"));
}

std::string Text(const year_month_day& d) {
  return std::to_string(int(d.year())) + "-" + std::to_string(unsigned(d.month())) + "-" +
         std::to_string(unsigned(d.day()));
}

// Reads a row the long way (sscanf) into a day count: the reference for the scan below.
int RowDay(const std::string& row) {
  int mo = 0, d = 0, y = 0, h = 0, mi = 0;
  EXPECT_EQ(std::sscanf(row.c_str(), "%d,%d,%d,%d,%d,", &mo, &d, &y, &h, &mi), 5) << row;
  return local_days{year{y} / month(unsigned(mo)) / day(unsigned(d))}.time_since_epoch().count();
}

TEST(IsRetrograde, AgreesWithARowByRowScanOnEveryDayFrom1899To2051) {
  using namespace astro;
  struct Rows {
    const char* name;
    std::span<const std::string> starts, ends;
  };
  for (const char* planet : kPlanets) IsRetrograde(At(2000, 1, 1), planet);  // loads every table
  const Rows tables[] = {{"Mercury", MercuryRetroStart, MercuryRetroEnd}, {"Venus", VenusRetroStart, VenusRetroEnd},
                         {"Mars", MarsRetroStart, MarsRetroEnd},          {"Jupiter", JupiterRetroStart, JupiterRetroEnd},
                         {"Saturn", SaturnRetroStart, SaturnRetroEnd},    {"Uranus", UranusRetroStart, UranusRetroEnd},
                         {"Neptune", NeptuneRetroStart, NeptuneRetroEnd}, {"Pluto", PlutoRetroStart, PlutoRetroEnd}};
  const int first = local_days{year{1899} / 1 / 1}.time_since_epoch().count();
  const int last = local_days{year{2051} / 12 / 31}.time_since_epoch().count();
  for (const Rows& t : tables) {
    std::vector<std::pair<int, int>> periods;
    for (std::size_t i = 0; i + 1 < t.starts.size(); ++i) periods.emplace_back(RowDay(t.starts[i]), RowDay(t.ends[i]));
    int retrogradeDays = 0;
    for (int dayNumber = first; dayNumber <= last; ++dayNumber) {
      bool expected = false;
      for (const auto& [start, end] : periods) {
        if (start - dayNumber < 0 && end - dayNumber > 0) {
          expected = true;
          break;
        }
      }
      const RetroDateTime date = local_days{days{dayNumber}} + hours{(dayNumber % 24 + 24) % 24} + minutes{(dayNumber % 60 + 60) % 60};
      ASSERT_EQ(IsRetrograde(date, t.name), expected)
          << t.name << " on " << Text(year_month_day{local_days{days{dayNumber}}});
      retrogradeDays += expected;
    }
    EXPECT_GT(retrogradeDays, 0) << t.name;
  }
}

TEST(MonthNumber, ReadsTheMonthFieldOfARow) {
  std::string field = "3";
  EXPECT_EQ(astro::MonthNumber(field), 3);
  EXPECT_EQ(field, "3");
  field = "03";
  EXPECT_EQ(astro::MonthNumber(field), 3);
  EXPECT_EQ(field, "3");
  field = " 12 ";
  EXPECT_EQ(astro::MonthNumber(field), 12);
  EXPECT_EQ(field, "12");
  field = "13";
  EXPECT_EQ(astro::MonthNumber(field), 13);
  EXPECT_EQ(field, "13");
  field = "2.5";  // not a month: rounded, halves to the even neighbour, field kept
  EXPECT_EQ(astro::MonthNumber(field), 2);
  EXPECT_EQ(field, "2.5");
  for (const char* notANumber : {"", "March", "1e999", "99999999"}) {
    field = notANumber;
    EXPECT_EQ(astro::MonthNumber(field), 0) << notANumber;
    EXPECT_EQ(field, notANumber);
  }
}

TEST(MarkRetrogrades, MarksMercuryToSaturnOnceAndClearsOldMarks) {
  MarkedNames(Birth(2000, 3, 1));  // Mercury retrograde; Venus to Saturn direct
  astro::MarkRetrogrades();         // a second run does not mark twice
  const std::array<std::string, 11>& names = astro::PlanetNames;
  EXPECT_EQ(names[0], "Sun");
  EXPECT_EQ(names[1], "Moon");
  EXPECT_EQ(names[2], "Mercury (R) ");
  EXPECT_EQ(names[3], "Venus");
  EXPECT_EQ(names[6], "Saturn");
  EXPECT_TRUE(astro::RetroFlags[0]);
  ASSERT_TRUE(astro::LastResults.Retrogrades.has_value());
  EXPECT_EQ(*astro::LastResults.Retrogrades, astro::RetrogradesOf(Birth(2000, 3, 1)));

  // Mercury's station day: direct again, the mark goes.
  EXPECT_EQ(MarkedNames(Birth(2000, 3, 14))[2], "Mercury");
  EXPECT_FALSE(astro::RetroFlags[0]);
  EXPECT_FALSE(astro::RetroFlags[8]);
  // Venus (slot 1 of the marks) marks slot 3 of the names.
  EXPECT_EQ(MarkedNames(Birth(1902, 1, 26, 0, 0))[3], "Venus (R) ");
  EXPECT_TRUE(astro::RetroFlags[1]);
}

TEST(RetrogradesOf, BirthTimeDoesNotMatterAndNoZoneIsApplied) {
  // Venus turned retrograde at 3:30 UT on 25 January 1902; a birth late that day in a
  // zone far east is still the station day as entered.
  astro::BirthRecordData late = Birth(1902, 1, 25, 23, 59);
  late.TzHours = 12;
  late.IsEast = true;
  EXPECT_FALSE(astro::RetrogradesOf(late)[1]);
  EXPECT_TRUE(astro::RetrogradesOf(Birth(1902, 1, 26, 0, 0))[1]);
}

TEST(RetrogradesOf, OuterPlanetsAreTestedButMarkNoName) {
  EXPECT_EQ(astro::RetrogradesOf(Birth(2050, 12, 31)),
            (astro::RetrogradeMarks{false, false, false, true, false, true, true, false}));
  EXPECT_EQ(MarkedNames(Birth(2050, 12, 31))[5], "Jupiter (R) ");

  // A day when Uranus, Neptune and Pluto are retrograde and Mercury to Saturn are not.
  const astro::RetrogradeMarks outerOnly{false, false, false, false, false, true, true, true};
  std::optional<astro::BirthRecordData> found;
  for (local_days d = local_days{year{2000} / 1 / 1}; !found && d < local_days{year{2051} / 1 / 1}; d += days{1}) {
    const year_month_day ymd{d};
    const astro::BirthRecordData birth = Birth(int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day())));
    if (astro::RetrogradesOf(birth) == outerOnly) found = birth;
  }
  ASSERT_TRUE(found);
  const std::array<std::string, 11> expected = {"Sun",    "Moon", "Mercury", "Venus",     "Mars", "Jupiter",
                                                "Saturn", "Rahu", "Ketu",    "Ascendant", ""};
  EXPECT_EQ(MarkedNames(*found), expected);
  EXPECT_FALSE(astro::RetroFlags[8]);
}

TEST(RetrogradesOf, ADateNotOnTheCalendarMarksNothing) {
  ASSERT_TRUE(astro::RetrogradesOf(Birth(2000, 3, 1))[0]);
  for (const auto& [y, m, d, h, mi] : {std::array{2000, 2, 30, 12, 0}, std::array{2000, 13, 1, 12, 0},
                                       std::array{2000, 0, 1, 12, 0}, std::array{2000, 3, 1, 24, 0},
                                       std::array{2000, 3, 1, 12, -1}, std::array{2000, 3, 0, 12, 0}, std::array{2000, 257, 1, 12, 0},
                                       std::array{2000, 3, 257, 12, 0}, std::array{2000, 3, 1, 12, 60}}) {
    EXPECT_EQ(astro::RetrogradesOf(Birth(y, m, d, h, mi)), astro::RetrogradeMarks{})
        << y << "-" << m << "-" << d << " " << h << ":" << mi;
  }
  EXPECT_EQ(MarkedNames(Birth(2000, 2, 30))[2], "Mercury");
}

}  // namespace
