#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "astro/Astro.h"
#include "astro/modPlanetPosition_WesternPlanets.h"

using namespace astro;

namespace {

const std::string Deg = "\u00B0";

void SetBirth(int month, int day, int year, int hour, int minute, const std::string& tzHours,
              const std::string& tzMinutes) {
  BirthRecord = BirthRecordData{};
  BirthRecord.BirthMonth = static_cast<std::int16_t>(month);
  BirthRecord.BirthDay = static_cast<std::int16_t>(day);
  BirthRecord.BirthYear = static_cast<std::int16_t>(year);
  BirthRecord.BirthHour = static_cast<std::int16_t>(hour);
  BirthRecord.BirthMinute = static_cast<std::int16_t>(minute);
  TzHoursText = tzHours;
  TzMinutesText = tzMinutes;
  MoonLongitudeText = "0" + Deg + " 5' 0\" Ari";
  AscendantText = "24" + Deg + " 17' 52\" Ari";
}

double LongitudeOf(int body, double d) {
  GeocentricLongitude(body, d);
  return PlanetWork.BodyLongitude;
}

std::size_t Characters(const std::string& s) {
  std::size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

}  // namespace

TEST(CalcPlanetPositions, J2000NoonPositions) {
  SetBirth(1, 1, 2000, 12, 0, "0", "0");
  CalcPlanetPositions();
  EXPECT_EQ(PlanetWork.DayNumber, 0.0);
  EXPECT_EQ(PlanetPositions[0], "10 Cap 22");  // the Sun, from body number 2
  EXPECT_EQ(PlanetPositions[1], "00 Ari 05");  // the Moon's text
  EXPECT_EQ(PlanetPositions[2], "01 Cap 54");
  EXPECT_EQ(PlanetPositions[3], "01 Sag 34");
  EXPECT_EQ(PlanetPositions[4], "27 Aqu 58");
  EXPECT_EQ(PlanetPositions[5], "25 Ari 21");
  EXPECT_EQ(PlanetPositions[6], "10 Tau 12");
  EXPECT_EQ(PlanetPositions[7], "24 Ari 17");  // the ascendant's text
  EXPECT_EQ(PlanetPositions[8], "");
  EXPECT_EQ(BodyLongitudeText[2], FormatLongitude(LongitudeOf(2, 0)));
  EXPECT_EQ(BodyLongitudeText[6].substr(BodyLongitudeText[6].size() - 3), "Aqu");
  for (int slot = 9; slot < 13; ++slot) EXPECT_EQ(BodyLongitudeText[slot], "");
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
}

TEST(CalcPlanetPositions, ZoneAmountsMoveTheDateBack) {
  SetBirth(8, 15, 1947, 0, 0, "-5", "-30");
  CalcPlanetPositions();
  EXPECT_EQ(PlanetWork.Year, 1947);
  EXPECT_EQ(PlanetWork.Month, 8);
  EXPECT_EQ(PlanetWork.Day, 14);
  EXPECT_EQ(PlanetWork.Hour, 18);
  EXPECT_EQ(PlanetWork.Minute, 30);
  EXPECT_NEAR(PlanetWork.DayNumber, -19132.7291667, 1e-7);
}

TEST(CalcPlanetPositions, DaylightSavingTickAndBirthplaceAreIgnored) {
  SetBirth(7, 4, 1976, 9, 30, "5", "0");
  BirthRecord.IsDST = true;
  BirthRecord.IsEast = true;
  BirthRecord.LongDegree = 74;
  BirthRecord.TzHours = 5;
  CalcPlanetPositions();
  EXPECT_EQ(PlanetWork.Day, 4);
  EXPECT_EQ(PlanetWork.Hour, 14);
  EXPECT_EQ(PlanetWork.Minute, 30);
  EXPECT_DOUBLE_EQ(PlanetWork.DayNumber, DayNumberJ2000(1976, 7, 4, 14, 30));
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

TEST(ShortPositionText, TextWithoutDegreeOrMinuteMarksGivesEmptyText) {
  EXPECT_EQ(ShortPositionText(""), "");
  EXPECT_EQ(ShortPositionText("Ari"), "");
  EXPECT_EQ(ShortPositionText("5" + Deg + " 7 Ari"), "");
  EXPECT_EQ(ShortPositionText("5' 7" + Deg + " Ari"), "");
  EXPECT_EQ(ShortPositionText("'" + Deg), "");
}

TEST(CalcPlanetPositions, NamesAndEmptyEighthSlot) {
  SetBirth(3, 21, 1985, 6, 45, "-1", "0");
  PositionNames[8] = "";
  CalcPlanetPositions();
  const std::array<std::string, 9> names{"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Asc", ""};
  EXPECT_EQ(PositionNames, names);
  for (int slot = 0; slot < 8; ++slot) EXPECT_EQ(PlanetPositions[slot].size(), 9u) << slot;
  EXPECT_EQ(PlanetPositions[8], "");
}

TEST(CalcPlanetPositions, MissingMoonOrAscendantTextLeavesTheirSlotsEmpty) {
  SetBirth(3, 21, 1985, 6, 45, "-1", "0");
  MoonLongitudeText.clear();
  AscendantText.clear();
  CalcPlanetPositions();
  EXPECT_EQ(PlanetPositions[1], "");
  EXPECT_EQ(PlanetPositions[7], "");
  EXPECT_EQ(PlanetPositions[0].size(), 9u);
}

TEST(CalcPlanetPositions, ExtremeFieldValuesNeverCrash) {
  const std::int16_t extremes[] = {-32768, -32767, -1, 0, 1, 12, 31, 32767};
  const char* zoneTexts[] = {"-32768", "32767", "0", "-12", "13", "x", "", " -30 "};
  std::mt19937 random(11);
  for (int n = 0; n < 1500; ++n) {
    SetBirth(extremes[random() % 8], extremes[random() % 8], extremes[random() % 8], extremes[random() % 8],
             extremes[random() % 8], zoneTexts[random() % 8], zoneTexts[random() % 8]);
    CalcPlanetPositions();
    EXPECT_EQ(PositionNames[0], "Sun");
  }
}
