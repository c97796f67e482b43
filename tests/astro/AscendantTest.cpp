#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>

#include "astro/Astro.h"
#include "astro/modPlanetPosition_WesternAscendant.h"
#include "TestBirths.h"

using namespace astro;

using astro_test::Record;

namespace {

const std::string Deg = "\u00B0";



}  // namespace

TEST(AscendantOf, Greenwich1January2000Noon) {
  const AscendantResult r = AscendantOf(Record(1, 1, 2000, 12, 0, 0, 0, 0, 0, false, 51, 30, false, false));
  const auto& w = r.Values;
  EXPECT_EQ(w.BirthJD, 2451545.0);
  EXPECT_EQ(w.UT, 12.0);
  EXPECT_EQ(w.T, 1.0);
  EXPECT_NEAR(w.RAMC * RadToDeg, 280.4609, 5e-5);
  EXPECT_NEAR(w.Obliquity * RadToDeg, 23.4392815, 1e-9);
  EXPECT_NEAR(w.Midheaven, 279.6145, 5e-5);
  EXPECT_NEAR(w.Ascendant, 24.2979, 5e-5);
  EXPECT_NEAR(w.AyanamsaComputed, -23.854, 5e-4);
  EXPECT_EQ(w.Ayanamsa, 0.0);
  EXPECT_EQ(r.MidheavenText, "9" + Deg + " 36' 52\" Cap");
  EXPECT_EQ(r.AscendantText, "24" + Deg + " 17' 52\" Ari");
  EXPECT_EQ(r.AyanamsaText, "-23" + Deg + " 51' 14\"");
}

TEST(AscendantOf, NewYork4July1976WithDaylightSaving) {
  const AscendantResult r = AscendantOf(Record(7, 4, 1976, 9, 30, 5, 0, 74, 0, false, 40, 43, false, true));
  const auto& w = r.Values;
  EXPECT_EQ(w.ZoneAmount, 4.0);
  EXPECT_EQ(w.UT, 13.5);
  EXPECT_NEAR(w.RAMC * RadToDeg, 51.1824, 5e-5);
  EXPECT_NEAR(w.Midheaven, 53.5682, 5e-5);
  EXPECT_NEAR(w.Ascendant, 149.3356, 5e-5);
  EXPECT_EQ(r.AscendantText, "29" + Deg + " 20' 8\" Leo");
}

// Universal time follows the birthplace's hemisphere, not the zone's sign; daylight
// saving always moves it one hour earlier.
TEST(AscendantOf, UniversalTimeFollowsTheBirthplaceHemisphere) {
  struct Case {
    const char* what;
    BirthRecordData birth;
    double zone, ut, longitude, latitude;
  };
  const Case cases[] = {
      {"east: zone subtracted", Record(6, 1, 1980, 12, 0, 1, 0, 10, 0, true, 50, 0, false, false), 1, 11, -10, 50},
      {"east, daylight saving: zone one hour larger", Record(6, 1, 1980, 12, 0, 1, 0, 10, 0, true, 50, 0, false, true),
       2, 10, -10, 50},
      {"west: zone added", Record(6, 1, 1980, 12, 0, 5, 30, 80, 0, false, 30, 0, false, false), 5.5, 17.5, 80, 30},
      {"west, daylight saving: zone one hour smaller", Record(6, 1, 1980, 12, 0, 5, 30, 80, 0, false, 30, 0, false, true),
       4.5, 16.5, 80, 30},
      {"zone across Greenwich: the place decides", Record(6, 1, 1980, 12, 0, 5, 0, 10, 0, true, 50, 0, false, false), 5,
       7, -10, 50},
      {"south is negative", Record(6, 1, 1980, 12, 0, 5, 0, 10, 30, true, 33, 30, true, false), 5, 7, -10.5, -33.5},
      // Longitude 0 with East ticked is not below 0: it counts as west.
      {"zero east counts as west", Record(3, 15, 1990, 12, 0, 1, 0, 0, 0, true, 51, 0, false, false), 1, 13, 0, 51},
      {"zero east with daylight saving", Record(3, 15, 1990, 12, 0, 1, 0, 0, 0, true, 51, 0, false, true), 0, 12, 0, 51},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const AscendantWorkingValues w = AscendantOf(c.birth).Values;
    EXPECT_EQ(w.ZoneAmount, c.zone);
    EXPECT_EQ(w.UT, c.ut);
    EXPECT_EQ(w.Longitude, c.longitude);
    EXPECT_EQ(w.Latitude, c.latitude);
  }
}

TEST(AscendantOf, UniversalTimeBelowZeroKeepsTheDate) {
  const AscendantWorkingValues w = AscendantOf(Record(8, 15, 1947, 0, 30, 5, 30, 77, 0, true, 28, 0, false, false)).Values;
  EXPECT_EQ(w.UT, -5.0);
  EXPECT_EQ(w.BirthJD, JulianDayNumber(8, 15, 1947));
  EXPECT_DOUBLE_EQ(w.T, (w.BirthJD - 2415020 - 5.0 / 24 - 0.5) / 36525);
  EXPECT_LT(w.T * 36525 + 2415020, w.BirthJD - 0.5);  // previous day
}

TEST(AscendantOf, ResultsAreAlwaysWithinTheCircle) {
  for (int hour = 0; hour < 24; hour += 1)
    for (int lat : {-66, -40, 0, 23, 51, 66}) {
      const AscendantResult r =
          AscendantOf(Record(11, 2, 1965, hour, 17, 3, 0, 45, 0, hour % 2 == 0, std::abs(lat), 0, lat < 0, false));
      EXPECT_GE(r.Values.Ascendant, 0.0);
      EXPECT_LT(r.Values.Ascendant, 360.0);
      EXPECT_EQ(r.AscendantText.substr(r.AscendantText.size() - 4, 1), " ") << r.AscendantText;
      EXPECT_NE(r.AscendantText.back(), ' ');  // a sign code is always present
    }
}

TEST(NormalizeDegrees, OneStepEachWayWrittenBack) {
  double a = -10;
  EXPECT_EQ(NormalizeDegrees(a), 350.0);
  EXPECT_EQ(a, 350.0);
  a = 370;
  EXPECT_EQ(NormalizeDegrees(a), 10.0);
  a = -370;
  EXPECT_EQ(NormalizeDegrees(a), -10.0);
  a = 730;
  EXPECT_EQ(NormalizeDegrees(a), 370.0);
  a = 360;
  EXPECT_EQ(NormalizeDegrees(a), 360.0);
  a = 0;
  EXPECT_EQ(NormalizeDegrees(a), 0.0);
}

TEST(Ayanamsa1900, AboutTwentyTwoAndAHalfDegreesAt1900) {
  EXPECT_NEAR(Ayanamsa1900(0), -22.46, 0.01);
  EXPECT_NEAR(Ayanamsa1900(1), -23.85, 0.01);
  const double t = 0.5;
  double copy = t;
  Ayanamsa1900(copy);
  EXPECT_EQ(copy, t);
}

TEST(FormatSignedDMS, SignedTextAndAbsoluteValueWrittenBack) {
  double a = -23.85389;
  EXPECT_EQ(FormatSignedDMS(a), "-23" + Deg + " 51' 14\"");
  EXPECT_EQ(a, 23.85389);
  a = 5.5;
  EXPECT_EQ(FormatSignedDMS(a), "5" + Deg + " 30' 0\"");
  a = 0;
  EXPECT_EQ(FormatSignedDMS(a), "0" + Deg + " 0' 0\"");
}

TEST(HousePoints, PorphyryCuspsAndHalfWayPoints) {
  const double asc = 24.2979, mc = 279.6145;
  const auto p = HousePoints(asc, mc);
  EXPECT_NEAR(p[0], asc, 1e-9);
  EXPECT_DOUBLE_EQ(p[18], mc);
  EXPECT_NEAR(p[24], asc + 360, 1e-9);  // the top quadrant is not normalised
  EXPECT_NEAR(p[12], asc + 180, 1e-9);  // descendant
  EXPECT_NEAR(p[6], mc - 180, 1e-9);    // lower midheaven
  // Equal steps within each quadrant.
  const double upper = (asc + 360 - mc) / 6;
  for (int i = 18; i < 24; ++i) EXPECT_NEAR(p[i + 1] - p[i], upper, 1e-9);
  const double western = (mc - (asc + 180)) / 6;
  for (int i = 12; i < 18; ++i) EXPECT_NEAR(p[i + 1] - p[i], western, 1e-9);
  // Slots 0..11 lie opposite slots 12..23.
  for (int i = 0; i < 12; ++i) EXPECT_NEAR(std::fmod(p[i] + 180, 360), std::fmod(p[i + 12], 360), 1e-9);
}

TEST(AscendantOf, ExtremeFieldValuesNeverCrash) {
  const std::int16_t extremes[] = {-32768, -32767, -1, 0, 1, 59, 90, 180, 32767};
  std::mt19937 random(7);
  auto pick = [&] { return extremes[random() % std::size(extremes)]; };
  for (int n = 0; n < 3000; ++n) {
    BirthRecordData b;
    b.BirthMonth = pick();
    b.BirthDay = pick();
    b.BirthYear = pick();
    b.BirthHour = pick();
    b.BirthMinute = pick();
    b.TzHours = pick();
    b.TzMinutes = pick();
    b.LongDegree = pick();
    b.LongMinute = pick();
    b.LatDegree = pick();
    b.LatMinute = pick();
    b.IsEast = random() % 2;
    b.IsSouth = random() % 2;
    b.IsDST = random() % 2;
    const AscendantResult r = AscendantOf(b);
    EXPECT_FALSE(r.AscendantText.empty());
    EXPECT_FALSE(r.MidheavenText.empty());
  }
}
