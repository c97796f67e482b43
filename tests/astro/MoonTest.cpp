// The Moon calculator: universal-time road, series, topocentric correction, texts
// and the Moon's sign. Expected texts were computed by a separate script that
// follows the same published series.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "astro/Astro.h"
#include "astro/modEphemeris_WesternHelpers.h"
#include "TestBirths.h"

namespace {

using namespace std::chrono;
using astro_test::Record;


// The date the running dasha periods are told for.
constexpr local_days kToday{2020y / June / 1};

astro::DashaTexts DashaOf(const astro::MoonResult& moon) {
  return astro::DashaOf(moon.Values.Lambda, moon.Values.TopoLambda, moon.Values.BirthJD, kToday);
}

// 4 July 1976, 9:30 local, zone 5, 74°00' W, 40°43' N, daylight saving ticked:
// the zone shrinks to 4 hours and the Moon is computed for 13:30 UT.
TEST(MoonOf, DaylightSavingWestMovesUniversalTimeEarlier) {
  const astro::MoonResult moon = astro::MoonOf(Record(7, 4, 1976, 9, 30, 5, 0, 74, 0, false, 40, 43, false, true));
  EXPECT_DOUBLE_EQ(moon.Values.zone, 4.0);
  EXPECT_DOUBLE_EQ(moon.Values.ut, 13.5);
  EXPECT_DOUBLE_EQ(moon.Values.BirthJD, 2442964.0);
  EXPECT_EQ(moon.LongitudeText, "10\u00B0 29' 46\" Lib");
  EXPECT_EQ(moon.TopoLongitudeText, "11\u00B0 10' 50\" Lib");
  EXPECT_EQ(moon.Rashi, "Libra");

  const astro::DashaTexts dasha = DashaOf(moon);
  EXPECT_EQ(dasha.MoonNakshatra, "Swati");
  EXPECT_EQ(dasha.MoonDashaLords, "Ra/Sa/Sa");
  EXPECT_EQ(dasha.NextDashaText, "Ju/Ju  (M/D/Y) 5/3/1989");
  EXPECT_EQ(dasha.TopoMoonNakshatra, "Swati");
  EXPECT_EQ(dasha.TopoDashaLords, "Ra/Sa/Ke");
  EXPECT_EQ(dasha.TopoNextDashaText, "Ju/Ju  (M/D/Y) 5/31/1988");
  EXPECT_EQ(dasha.DashaBalanceText, "11 month(s) 8 days");
  EXPECT_EQ(dasha.RunningDashaText, "Sa/Ra/Me");
  EXPECT_EQ(dasha.TopoRunningDashaText, "Sa/Ra/Su");

  // The geocentric Moon is the one of 13:30 at Greenwich with no zone.
  const astro::MoonResult greenwich = astro::MoonOf(Record(7, 4, 1976, 13, 30, 0, 0, 0, 0, false, 40, 43, false, false));
  EXPECT_DOUBLE_EQ(greenwich.Values.T, moon.Values.T);
  EXPECT_EQ(greenwich.LongitudeText, moon.LongitudeText);
}

// The series against the published worked example for 12 April 1992, 0h
// (133.162655 degrees with the full series; the short series stays within 0.01).
TEST(MoonOf, ShortSeriesStaysCloseToTheFullSeries) {
  const astro::MoonResult moon = astro::MoonOf(Record(4, 12, 1992, 0, 0, 0, 0, 0, 0, false, 0, 0, false, false));
  const astro::MoonWorkingValues& w = moon.Values;
  EXPECT_NEAR(w.Lambda, 133.162655, 0.01);
  EXPECT_NEAR(w.Beta, -3.229126, 0.01);
  EXPECT_EQ(moon.LongitudeText, "13\u00B0 9' 29\" Leo");
  EXPECT_EQ(moon.Rashi, "Leo");
  EXPECT_EQ(moon.TopoLongitudeText, "12\u00B0 15' 17\" Leo");
  const astro::DashaTexts dasha = DashaOf(moon);
  EXPECT_EQ(dasha.MoonNakshatra, "Magha");
  EXPECT_EQ(dasha.MoonDashaLords, "Ke/Me/Sa");
  EXPECT_EQ(dasha.TopoDashaLords, "Ke/Me/Mo");
  EXPECT_EQ(dasha.DashaBalanceText, "5 month(s) 23 days");
  // Mean elements stay in radians, unreduced; L' stays in degrees.
  EXPECT_NEAR(w.LPrime, 218.3164591 + 481267.88134236 * w.T, 1e-9);
  EXPECT_NEAR(w.D, (297.8502042 + 445267.1115168 * w.T) * astro::DegToRad, 1e-12);
  EXPECT_NEAR(w.Rho, 1.0 / std::sin(w.Parallax * astro::DegToRad), 1e-12);
}

// 0:30 local in a zone 5:30 east: ut = -5 and the Moon and the sidereal time are
// those of 19:00 UT the day before, with no change of the birth date.
TEST(MoonOf, UniversalTimeBelowZeroKeepsTheDate) {
  const astro::MoonResult moon = astro::MoonOf(Record(3, 14, 1985, 0, 30, 5, 30, 77, 13, true, 28, 36, false, false));
  EXPECT_DOUBLE_EQ(moon.Values.ut, -5.0);
  EXPECT_DOUBLE_EQ(moon.Values.BirthJD, astro::JulianDayNumber(3, 14, 1985));
  EXPECT_EQ(moon.LongitudeText, "23\u00B0 52' 56\" Sag");

  const astro::MoonResult before = astro::MoonOf(Record(3, 13, 1985, 19, 0, 0, 0, 0, 0, false, 28, 36, false, false));
  EXPECT_NEAR(before.Values.T, moon.Values.T, 1e-15);
  EXPECT_NEAR(before.Values.gst, moon.Values.gst, 1e-7);  // the two rates of sidereal time differ slightly
  EXPECT_EQ(before.LongitudeText, "23\u00B0 52' 56\" Sag");
  EXPECT_EQ(before.Rashi, "Sagittarius");
}

// Daylight saving is one hour earlier in both hemispheres; longitude 0°00' with
// East ticked is not below zero, so it counts as West.
TEST(MoonOf, ZoneAndDaylightSaving) {
  struct Case {
    const char* what;
    astro::BirthRecordData birth;
    double zone, ut;
  };
  const Case cases[] = {
      {"west", Record(10, 20, 1995, 14, 15, 3, 30, 45, 10, false, 12, 0, false, false), 3.5, 14.25 + 3.5},
      {"west, daylight saving", Record(10, 20, 1995, 14, 15, 3, 30, 45, 10, false, 12, 0, false, true), 2.5,
       14.25 + 3.5 - 1},
      {"east", Record(10, 20, 1995, 14, 15, 3, 30, 45, 10, true, 12, 0, false, false), 3.5, 14.25 - 3.5},
      {"east, daylight saving", Record(10, 20, 1995, 14, 15, 3, 30, 45, 10, true, 12, 0, false, true), 4.5,
       14.25 - 3.5 - 1},
      {"zero east", Record(6, 1, 2001, 8, 0, 2, 0, 0, 0, true, 10, 0, false, false), 2, 10},
      {"zero east, daylight saving", Record(6, 1, 2001, 8, 0, 2, 0, 0, 0, true, 10, 0, false, true), 1, 9},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const astro::MoonWorkingValues w = astro::MoonOf(c.birth).Values;
    EXPECT_DOUBLE_EQ(w.zone, c.zone);
    EXPECT_DOUBLE_EQ(w.ut, c.ut);
  }
}

TEST(MoonOf, SouthAndEastAreNegative) {
  const astro::MoonWorkingValues w =
      astro::MoonOf(Record(1, 1, 2000, 12, 0, 10, 0, 151, 12, true, 33, 52, true, false)).Values;
  EXPECT_DOUBLE_EQ(w.lon, -151.2);
  EXPECT_NEAR(w.lat, -(33 + 52 / 60.0), 1e-12);
  EXPECT_DOUBLE_EQ(w.ut, 2.0);
  // Local sidereal time adds East longitudes and stays in 0..24.
  EXPECT_GE(w.Theta, 0.0);
  EXPECT_LE(w.Theta, 24.0);
  EXPECT_NEAR(std::remainder(w.Theta - w.gst - 151.2 / 15.0, 24.0), 0.0, 1e-9);
}

// Every field at the ends of its 16-bit range: no crash, no undefined behaviour
// (the sanitizer build checks), no endless loop, and every text well formed.
TEST(MoonOf, ExtremeRecordsStayWellDefined) {
  const std::int16_t extremes[] = {INT16_MIN, -32767, -1000, -1, 0, 1, 12, 30, 59, 90, 180, 1000, INT16_MAX};
  std::mt19937 random(1234);
  auto pick = [&] { return extremes[random() % std::size(extremes)]; };
  for (int i = 0; i < 3000; ++i) {
    astro::BirthRecordData r;
    r.BirthMonth = pick();
    r.BirthDay = pick();
    r.BirthYear = pick();
    r.BirthHour = pick();
    r.BirthMinute = pick();
    r.TzHours = pick();
    r.TzMinutes = pick();
    r.LongDegree = pick();
    r.LongMinute = pick();
    r.LatDegree = pick();
    r.LatMinute = pick();
    r.IsEast = random() & 1;
    r.IsSouth = random() & 1;
    r.IsDST = random() & 1;
    const astro::MoonResult moon = astro::MoonOf(r);
    ASSERT_GE(moon.Values.Lambda, 0.0);
    ASSERT_LE(moon.Values.Lambda, 360.0);
    ASSERT_GE(moon.Values.TopoLambda, 0.0);
    ASSERT_LE(moon.Values.TopoLambda, 360.0);
    const astro::DashaTexts dasha = DashaOf(moon);
    ASSERT_EQ(dasha.MoonDashaLords.size(), 8u);
    ASSERT_EQ(dasha.TopoDashaLords.size(), 8u);
    ASSERT_EQ(dasha.RunningDashaText.size(), 8u);
    ASSERT_EQ(dasha.TopoRunningDashaText.size(), 8u);
    ASSERT_EQ(dasha.NextDashaText.substr(0, 7),
              dasha.NextDashaText.substr(0, 2) + "/" + dasha.NextDashaText.substr(0, 2) + "  ");
    ASSERT_NE(dasha.DashaBalanceText.find(" days"), std::string::npos);
    ASSERT_EQ(moon.Rashi.empty(), moon.Values.Lambda == 360.0);
  }
}

}  // namespace
