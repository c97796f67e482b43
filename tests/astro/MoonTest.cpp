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

namespace {

using namespace std::chrono;

astro::BirthRecordData Record(int month, int day, int year, int hour, int minute, int tzHours,
                              int tzMinutes, int longDegree, int longMinute, bool east, int latDegree,
                              int latMinute, bool south, bool dst) {
  astro::BirthRecordData r;
  r.BirthMonth = static_cast<std::int16_t>(month);
  r.BirthDay = static_cast<std::int16_t>(day);
  r.BirthYear = static_cast<std::int16_t>(year);
  r.BirthHour = static_cast<std::int16_t>(hour);
  r.BirthMinute = static_cast<std::int16_t>(minute);
  r.TzHours = static_cast<std::int16_t>(tzHours);
  r.TzMinutes = static_cast<std::int16_t>(tzMinutes);
  r.LongDegree = static_cast<std::int16_t>(longDegree);
  r.LongMinute = static_cast<std::int16_t>(longMinute);
  r.IsEast = east;
  r.LatDegree = static_cast<std::int16_t>(latDegree);
  r.LatMinute = static_cast<std::int16_t>(latMinute);
  r.IsSouth = south;
  r.IsDST = dst;
  return r;
}

class MoonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    astro::PresentLocalTime = [] { return local_days{2020y / June / 1} + 10h; };
  }
  void TearDown() override { astro::PresentLocalTime = astro::SystemLocalTime; }

  static void Run(const astro::BirthRecordData& r) {
    astro::BirthRecord = r;
    astro::CalcMoonAndDasha();
  }
};

// 4 July 1976, 9:30 local, zone 5, 74°00' W, 40°43' N, daylight saving ticked:
// the zone shrinks to 4 hours and the Moon is computed for 13:30 UT.
TEST_F(MoonTest, DaylightSavingWestMovesUniversalTimeEarlier) {
  Run(Record(7, 4, 1976, 9, 30, 5, 0, 74, 0, false, 40, 43, false, true));
  EXPECT_DOUBLE_EQ(astro::MoonWork.zone, 4.0);
  EXPECT_DOUBLE_EQ(astro::MoonWork.ut, 13.5);
  EXPECT_DOUBLE_EQ(astro::MoonWork.BirthJD, 2442964.0);
  EXPECT_EQ(astro::MoonLongitudeText, "10\u00B0 29' 46\" Lib");
  EXPECT_EQ(astro::TopoMoonLongitudeText, "11\u00B0 10' 50\" Lib");
  EXPECT_EQ(astro::RashiName, "Libra");

  EXPECT_EQ(astro::MoonNakshatra, "Swati");
  EXPECT_EQ(astro::MoonDashaLords, "Ra/Sa/Sa");
  EXPECT_EQ(astro::NextDashaText, "Ju/Ju  (M/D/Y) 5/3/1989");
  EXPECT_EQ(astro::TopoMoonNakshatra, "Swati");
  EXPECT_EQ(astro::TopoDashaLords, "Ra/Sa/Ke");
  EXPECT_EQ(astro::TopoNextDashaText, "Ju/Ju  (M/D/Y) 5/31/1988");
  EXPECT_EQ(astro::DashaBalanceText, "11 month(s) 8 days");
  EXPECT_EQ(astro::RunningDashaText, "Sa/Ra/Me");
  EXPECT_EQ(astro::TopoRunningDashaText, "Sa/Ra/Su");

  // The geocentric Moon is the one of 13:30 at Greenwich with no zone.
  const std::string geocentric = astro::MoonLongitudeText;
  const double t = astro::MoonWork.T;
  Run(Record(7, 4, 1976, 13, 30, 0, 0, 0, 0, false, 40, 43, false, false));
  EXPECT_DOUBLE_EQ(astro::MoonWork.T, t);
  EXPECT_EQ(astro::MoonLongitudeText, geocentric);
}

// The series against the published worked example for 12 April 1992, 0h
// (133.162655 degrees with the full series; the short series stays within 0.01).
TEST_F(MoonTest, ShortSeriesStaysCloseToTheFullSeries) {
  Run(Record(4, 12, 1992, 0, 0, 0, 0, 0, 0, false, 0, 0, false, false));
  EXPECT_NEAR(astro::MoonWork.Lambda, 133.162655, 0.01);
  EXPECT_NEAR(astro::MoonWork.Beta, -3.229126, 0.01);
  EXPECT_EQ(astro::MoonLongitudeText, "13\u00B0 9' 29\" Leo");
  EXPECT_EQ(astro::RashiName, "Leo");
  EXPECT_EQ(astro::MoonNakshatra, "Magha");
  EXPECT_EQ(astro::MoonDashaLords, "Ke/Me/Sa");
  EXPECT_EQ(astro::TopoMoonLongitudeText, "12\u00B0 15' 17\" Leo");
  EXPECT_EQ(astro::TopoDashaLords, "Ke/Me/Mo");
  EXPECT_EQ(astro::DashaBalanceText, "5 month(s) 23 days");
  // Mean elements stay in radians, unreduced; L' stays in degrees.
  EXPECT_NEAR(astro::MoonWork.LPrime, 218.3164591 + 481267.88134236 * astro::MoonWork.T, 1e-9);
  EXPECT_NEAR(astro::MoonWork.D, (297.8502042 + 445267.1115168 * astro::MoonWork.T) * astro::DegToRad, 1e-12);
  EXPECT_NEAR(astro::MoonWork.Rho, 1.0 / std::sin(astro::MoonWork.Parallax * astro::DegToRad), 1e-12);
}

// 0:30 local in a zone 5:30 east: ut = -5 and the Moon and the sidereal time are
// those of 19:00 UT the day before, with no change of the birth date.
TEST_F(MoonTest, UniversalTimeBelowZeroKeepsTheDate) {
  Run(Record(3, 14, 1985, 0, 30, 5, 30, 77, 13, true, 28, 36, false, false));
  EXPECT_DOUBLE_EQ(astro::MoonWork.ut, -5.0);
  EXPECT_DOUBLE_EQ(astro::MoonWork.BirthJD, astro::JulianDayNumber(3, 14, 1985));
  const double t = astro::MoonWork.T;
  const double gst = astro::MoonWork.gst;
  EXPECT_EQ(astro::MoonLongitudeText, "23\u00B0 52' 56\" Sag");

  Run(Record(3, 13, 1985, 19, 0, 0, 0, 0, 0, false, 28, 36, false, false));
  EXPECT_NEAR(astro::MoonWork.T, t, 1e-15);
  EXPECT_NEAR(astro::MoonWork.gst, gst, 1e-7);  // the two rates of sidereal time differ slightly
  EXPECT_EQ(astro::MoonLongitudeText, "23\u00B0 52' 56\" Sag");
  EXPECT_EQ(astro::RashiName, "Sagittarius");
}

TEST_F(MoonTest, DaylightSavingIsOneHourEarlierInBothHemispheres) {
  for (bool east : {false, true}) {
    SCOPED_TRACE(east ? "east" : "west");
    Run(Record(10, 20, 1995, 14, 15, 3, 30, 45, 10, east, 12, 0, false, false));
    const double plain = astro::MoonWork.ut;
    EXPECT_DOUBLE_EQ(plain, east ? 14.25 - 3.5 : 14.25 + 3.5);
    Run(Record(10, 20, 1995, 14, 15, 3, 30, 45, 10, east, 12, 0, false, true));
    EXPECT_DOUBLE_EQ(astro::MoonWork.ut, plain - 1.0);
    EXPECT_DOUBLE_EQ(astro::MoonWork.zone, east ? 4.5 : 2.5);
  }
}

// Longitude 0°00' with East ticked is not below zero, so it counts as West.
TEST_F(MoonTest, ZeroLongitudeEastCountsAsWest) {
  Run(Record(6, 1, 2001, 8, 0, 2, 0, 0, 0, true, 10, 0, false, false));
  EXPECT_DOUBLE_EQ(astro::MoonWork.ut, 10.0);
  Run(Record(6, 1, 2001, 8, 0, 2, 0, 0, 0, true, 10, 0, false, true));
  EXPECT_DOUBLE_EQ(astro::MoonWork.zone, 1.0);
  EXPECT_DOUBLE_EQ(astro::MoonWork.ut, 9.0);
}

TEST_F(MoonTest, SouthAndEastAreNegative) {
  Run(Record(1, 1, 2000, 12, 0, 10, 0, 151, 12, true, 33, 52, true, false));
  EXPECT_DOUBLE_EQ(astro::MoonWork.lon, -151.2);
  EXPECT_NEAR(astro::MoonWork.lat, -(33 + 52 / 60.0), 1e-12);
  EXPECT_DOUBLE_EQ(astro::MoonWork.ut, 2.0);
  // Local sidereal time adds East longitudes and stays in 0..24.
  EXPECT_GE(astro::MoonWork.Theta, 0.0);
  EXPECT_LE(astro::MoonWork.Theta, 24.0);
  EXPECT_NEAR(std::remainder(astro::MoonWork.Theta - astro::MoonWork.gst - 151.2 / 15.0, 24.0), 0.0, 1e-9);
}

// The sign comes from the last three letters of the trimmed text; a text
// without a code (a longitude of exactly 360) keeps the sign of the earlier chart.
TEST_F(MoonTest, RashiNameKeptWhenTheTextHasNoSignCode) {
  astro::RashiName = "Gemini";
  astro::MoonLongitudeText = astro::FormatLongitude(360.0);
  EXPECT_EQ(astro::MoonLongitudeText, "0\u00B0 0' 0\" ");
  astro::UpdateRashiName();
  EXPECT_EQ(astro::RashiName, "Gemini");

  astro::MoonLongitudeText = "  29\u00B0 59' 59\" Pis  ";
  astro::UpdateRashiName();
  EXPECT_EQ(astro::RashiName, "Pisces");

  astro::MoonLongitudeText = "1\u00B0 0' 0\" ari";  // case matters
  astro::UpdateRashiName();
  EXPECT_EQ(astro::RashiName, "Pisces");

  EXPECT_EQ(astro::RashiFromLongitudeText(""), "");
  EXPECT_EQ(astro::RashiFromLongitudeText("Sco"), "Scorpio");
  EXPECT_EQ(astro::RashiFromLongitudeText("Ca"), "");

  // Through a whole run: a real chart sets the sign afresh.
  Run(Record(7, 4, 1976, 9, 30, 5, 0, 74, 0, false, 40, 43, false, true));
  EXPECT_EQ(astro::RashiName, "Libra");
}

// Every field at the ends of its 16-bit range: no crash, no undefined behaviour
// (the sanitizer build checks), no endless loop, and every text well formed.
TEST_F(MoonTest, ExtremeRecordsStayWellDefined) {
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
    Run(r);
    ASSERT_GE(astro::MoonWork.Lambda, 0.0);
    ASSERT_LE(astro::MoonWork.Lambda, 360.0);
    ASSERT_GE(astro::MoonWork.TopoLambda, 0.0);
    ASSERT_LE(astro::MoonWork.TopoLambda, 360.0);
    ASSERT_EQ(astro::MoonDashaLords.size(), 8u);
    ASSERT_EQ(astro::TopoDashaLords.size(), 8u);
    ASSERT_EQ(astro::RunningDashaText.size(), 8u);
    ASSERT_EQ(astro::TopoRunningDashaText.size(), 8u);
    ASSERT_EQ(astro::NextDashaText.substr(0, 7), astro::NextDashaText.substr(0, 2) + "/" +
                                                     astro::NextDashaText.substr(0, 2) + "  ");
    ASSERT_NE(astro::DashaBalanceText.find(" days"), std::string::npos);
    ASSERT_FALSE(astro::RashiName.empty());
  }
}

}  // namespace
