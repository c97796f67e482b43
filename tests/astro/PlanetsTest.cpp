#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "astro/Astro.h"
#include "astro/modPlanetPosition_WesternPlanets.h"
#include "TestBirths.h"

using namespace astro;

using astro_test::Record;

namespace {

const std::string Deg = "\u00B0";


// The Moon at 0° 5' Aries and the ascendant at 24° 17' 52" Aries.
constexpr double kMoon = 5 / 60.0;
constexpr double kAscendant = 24.29792;

PlanetsResult Planets(const BirthRecordData& birth, int zoneHours, int zoneMinutes) {
  return PlanetsOf(birth, zoneHours, zoneMinutes, kMoon, kAscendant);
}

double LongitudeOf(int body, double d) { return GeocentricLongitude(body, d); }

std::size_t Characters(const std::string& s) {
  std::size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

}  // namespace

TEST(PlanetsOf, J2000NoonPositions) {
  const PlanetsResult r = Planets(Record(1, 1, 2000, 12, 0), 0, 0);
  EXPECT_EQ(r.DayNumber, 0.0);
  const std::array<std::string, 9> positions{"10 Cap 22",   // the Sun, from body number 2
                                             "00 Ari 05",   // the Moon
                                             "01 Cap 54", "01 Sag 34", "27 Aqu 58", "25 Ari 21", "10 Tau 12",
                                             "24 Ari 17",   // the ascendant
                                             ""};
  EXPECT_EQ(r.Positions, positions);
  for (int body = 0; body < BodyCount; ++body)
    EXPECT_EQ(r.BodyLongitudes[static_cast<std::size_t>(body)], LongitudeOf(body, 0)) << body;
  const std::array<double, 9> longitudes{r.BodyLongitudes[2], kMoon, r.BodyLongitudes[0], r.BodyLongitudes[1],
                                         r.BodyLongitudes[3], r.BodyLongitudes[4], r.BodyLongitudes[5], kAscendant,
                                         0.0};
  EXPECT_EQ(r.Longitudes, longitudes);
  EXPECT_EQ(SignOfLongitude(r.BodyLongitudes[6]), 10);  // Uranus in Aquarius
}

TEST(GeocentricLongitude, J2000NoonDegrees) {
  EXPECT_NEAR(LongitudeOf(2, 0), 280.3796, 5e-5);
  EXPECT_NEAR(LongitudeOf(0, 0), 271.9060, 5e-5);
  EXPECT_NEAR(LongitudeOf(1, 0), 241.5781, 5e-5);
  EXPECT_NEAR(LongitudeOf(3, 0), 327.9828, 5e-5);
  EXPECT_NEAR(LongitudeOf(4, 0), 25.3611, 5e-5);
  EXPECT_NEAR(LongitudeOf(5, 0), 40.2147, 5e-5);
  EXPECT_NEAR(LongitudeOf(6, 0), 314.7901, 5e-5);
  EXPECT_NEAR(LongitudeOf(7, 0), 303.1916, 5e-5);
  EXPECT_NEAR(LongitudeOf(8, 0), 251.4543, 5e-5);
}

TEST(GeocentricLongitude, AlwaysWithinTheCircle) {
  for (double d = -40000; d <= 20000; d += 997.3)
    for (int body = 0; body < 9; ++body) {
      const double lon = LongitudeOf(body, d);
      EXPECT_GE(lon, 0.0);
      EXPECT_LT(lon, 360.0);
    }
  for (int body : {-1, 9, 12}) EXPECT_TRUE(std::isnan(LongitudeOf(body, 0))) << body;
}

TEST(PlanetsOf, ZoneAmountsMoveTheDateBack) {
  const PlanetsResult r = Planets(Record(8, 15, 1947, 0, 0), -5, -30);
  EXPECT_EQ(r.Universal.Year, 1947);
  EXPECT_EQ(r.Universal.Month, 8);
  EXPECT_EQ(r.Universal.Day, 14);
  EXPECT_EQ(r.Universal.Hour, 18);
  EXPECT_EQ(r.Universal.Minute, 30);
  EXPECT_NEAR(r.DayNumber, -19132.7291667, 1e-7);
}

TEST(PlanetsOf, DaylightSavingTickAndBirthplaceAreIgnored) {
  BirthRecordData b = Record(7, 4, 1976, 9, 30);
  const PlanetsResult plain = Planets(b, 5, 0);
  b.IsDST = true;
  b.IsEast = true;
  b.LongDegree = 74;
  b.TzHours = 5;
  const PlanetsResult r = Planets(b, 5, 0);
  EXPECT_EQ(r.Universal.Day, 4);
  EXPECT_EQ(r.Universal.Hour, 14);
  EXPECT_EQ(r.Universal.Minute, 30);
  EXPECT_DOUBLE_EQ(r.DayNumber, DayNumberJ2000(1976, 7, 4, 14, 30));
  EXPECT_EQ(r.Positions, plain.Positions);
}

TEST(ToUniversal, CalendarArithmeticAcrossBoundaries) {
  auto check = [](UniversalDateTime u, int y, int m, int d, int h, int min) {
    EXPECT_EQ(u.Year, y);
    EXPECT_EQ(u.Month, m);
    EXPECT_EQ(u.Day, d);
    EXPECT_EQ(u.Hour, h);
    EXPECT_EQ(u.Minute, min);
  };
  check(ToUniversal(2000, 12, 31, 20, 0, 10, 0), 2001, 1, 1, 6, 0);     // into the next year
  check(ToUniversal(1901, 1, 1, 0, 15, -9, -30), 1900, 12, 31, 14, 45);  // back a year
  check(ToUniversal(2000, 2, 28, 23, 0, 2, 30), 2000, 2, 29, 1, 30);     // leap day
  check(ToUniversal(1999, 2, 28, 23, 0, 2, 30), 1999, 3, 1, 1, 30);
  check(ToUniversal(1976, 7, 4, 9, 30, 5, 0), 1976, 7, 4, 14, 30);
  check(ToUniversal(1950, 3, 1, 0, 0, 0, -30), 1950, 2, 28, 23, 30);
  // Beyond the calendar's years the moment stops at its first or last minute.
  constexpr int lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
  check(ToUniversal(30000, 12, hi, hi, hi, hi, hi), 32767, 12, 31, 23, 59);
  check(ToUniversal(-30000, 1, lo, lo, lo, lo, lo), -32767, 1, 1, 0, 0);
  for (int v : {lo, hi}) {
    const UniversalDateTime u = ToUniversal(v, v, v, v, v, v, v);
    EXPECT_TRUE(u.Month >= 1 && u.Month <= 12 && u.Day >= 1 && u.Day <= 31) << v;
  }
}

TEST(ZoneAmount, SignedSixteenBitTextOrZero) {
  EXPECT_EQ(ZoneAmount("-5"), -5);
  EXPECT_EQ(ZoneAmount(" 30 "), 30);
  EXPECT_EQ(ZoneAmount("+4"), 4);
  EXPECT_EQ(ZoneAmount("0"), 0);
  EXPECT_EQ(ZoneAmount(""), 0);
  EXPECT_EQ(ZoneAmount("abc"), 0);
  EXPECT_EQ(ZoneAmount("5x"), 0);
  EXPECT_EQ(ZoneAmount("40000"), 0);
  EXPECT_EQ(ZoneAmount("-32768"), -32768);
  EXPECT_EQ(ZoneAmount("32768"), 0);
  EXPECT_EQ(ZoneAmount("+-5"), 0);
}

TEST(DayNumberJ2000, Examples) {
  EXPECT_EQ(DayNumberJ2000(2000, 1, 1, 12, 0), 0.0);
  EXPECT_NEAR(DayNumberJ2000(1947, 8, 14, 18, 30), -19132.7291667, 1e-7);
  // Agrees with the Julian Day Number over the whole range of birth years.
  for (int y = 1901; y <= 2050; y += 3)
    for (int m = 1; m <= 12; ++m)
      EXPECT_EQ(DayNumberJ2000(y, m, 17, 12, 0), JulianDayNumber(m, 17, y) - 2451545.0) << y << "/" << m;
  for (int v : {std::numeric_limits<int>::min(), std::numeric_limits<int>::max()})
    EXPECT_TRUE(std::isfinite(DayNumberJ2000(v, v, v, v, v))) << v;
}

TEST(AngleHelpers, FixToZeroAndNormalizeRadians) {
  EXPECT_EQ(FixToZero(2.7), 2.0);
  EXPECT_EQ(FixToZero(-2.7), -2.0);
  EXPECT_EQ(FixToZero(-3.0), -2.0);  // floor + 1 for any value below 0, as the rule says
  EXPECT_EQ(FixToZero(0.0), 0.0);
  EXPECT_NEAR(NormalizeRadians(-1), TwoPi - 1, 1e-12);
  EXPECT_NEAR(NormalizeRadians(7), 7 - TwoPi, 1e-12);
  EXPECT_NEAR(NormalizeRadians(-100), -100 + 16 * TwoPi, 1e-9);
  for (double x = -50; x < 50; x += 0.37) {
    EXPECT_GE(NormalizeRadians(x), 0.0);
    EXPECT_LT(NormalizeRadians(x), TwoPi);
  }
}

TEST(TrueAnomaly, SolvesKeplersEquation) {
  for (double e : {0.0, 0.0167, 0.2056, 0.2488}) {
    for (double M = 0; M < TwoPi; M += 0.31) {
      const double v = TrueAnomaly(M, e);
      ASSERT_GE(v, 0.0);
      ASSERT_LT(v, TwoPi);
      // Back from the true to the mean anomaly.
      const double E = 2 * std::atan(std::sqrt((1 - e) / (1 + e)) * std::tan(v / 2));
      EXPECT_NEAR(NormalizeRadians(E - e * std::sin(E)), M, 1e-9) << e << " " << M;
    }
  }
  EXPECT_EQ(TrueAnomaly(0, 0.1), 0.0);
}

TEST(TrueAnomaly, HopelessInputEndsAfterBoundedSteps) {
  EXPECT_TRUE(std::isnan(TrueAnomaly(1.0, 1.5)) || std::isfinite(TrueAnomaly(1.0, 1.5)));
  TrueAnomaly(std::numeric_limits<double>::quiet_NaN(), 0.1);
  TrueAnomaly(2.0, std::numeric_limits<double>::infinity());
  TrueAnomaly(3.0, 0.999999999);
}

TEST(ShortPositionText, NineCharactersWithTruncatedSeconds) {
  EXPECT_EQ(ShortPositionText("5" + Deg + " 7' 59\" Ari"), "05 Ari 07");
  EXPECT_EQ(ShortPositionText("10" + Deg + " 22' 3\" Cap"), "10 Cap 22");
  EXPECT_EQ(ShortPositionText("0" + Deg + " 0' 0\" Pis"), "00 Pis 00");
  EXPECT_EQ(ShortPositionText("  29" + Deg + " 59' 59\" Leo"), "29 Leo 59");
  // The sign code is the last three characters of the text as it came.
  EXPECT_EQ(ShortPositionText("29" + Deg + " 59' 59\" Leo  "), "29 o 59");
  for (double lon = 0; lon < 360; lon += 0.77) {
    const std::string text = ShortPositionText(FormatLongitude(lon));
    EXPECT_EQ(Characters(text), 9u) << text;
    EXPECT_EQ(text.size(), 9u) << text;  // no degree sign in a position text
  }
}

// The position text of a number is the short form of its longitude text, at the
// sign and minute edges and where the text names no sign.
TEST(PositionText, ShortFormOfTheLongitudeText) {
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  for (double lon : {0.0, -0.0, 0.0166666, 29.999999999, 30.0, 59.99, 95.5, -95.5, 359.9999999999, 360.0, 725.5,
                     1e300, nan, inf, -inf})
    EXPECT_EQ(PositionText(lon), ShortPositionText(FormatLongitude(lon))) << lon;
  for (double lon = -1; lon < 361; lon += 0.0137) EXPECT_EQ(PositionText(lon), ShortPositionText(FormatLongitude(lon))) << lon;
}

TEST(ShortPositionText, TextWithoutDegreeOrMinuteMarksGivesEmptyText) {
  EXPECT_EQ(ShortPositionText(""), "");
  EXPECT_EQ(ShortPositionText("Ari"), "");
  EXPECT_EQ(ShortPositionText("5" + Deg + " 7 Ari"), "");
  EXPECT_EQ(ShortPositionText("5' 7" + Deg + " Ari"), "");
  EXPECT_EQ(ShortPositionText("'" + Deg), "");
}

TEST(PlanetsOf, EveryPositionTextIsNineCharacters) {
  const PlanetsResult r = Planets(Record(3, 21, 1985, 6, 45), -1, 0);
  for (int slot = 0; slot < 8; ++slot) EXPECT_EQ(r.Positions[slot].size(), 9u) << slot;
  EXPECT_EQ(r.Positions[8], "");
}

TEST(PlanetsOf, ExtremeFieldValuesNeverCrash) {
  const std::int16_t extremes[] = {-32768, -32767, -1, 0, 1, 12, 31, 32767};
  const int zones[] = {-32768, 32767, 0, -12, 13, -30};
  std::mt19937 random(11);
  for (int n = 0; n < 1500; ++n) {
    const PlanetsResult r =
        Planets(Record(extremes[random() % 8], extremes[random() % 8], extremes[random() % 8], extremes[random() % 8],
                      extremes[random() % 8]),
                zones[random() % 6], zones[random() % 6]);
    for (int slot = 0; slot < 8; ++slot) EXPECT_EQ(r.Positions[slot].size(), 9u) << slot;
  }
}
