#include <gtest/gtest.h>

#include <climits>

#include <cmath>
#include <limits>

#include "astro/Numbers.h"
#include "astro/modEphemeris_WesternHelpers.h"

using namespace astro;

namespace {
const std::string Deg = "\u00B0";
}

TEST(JulianDayNumber, KnownDates) {
  EXPECT_EQ(JulianDayNumber(1, 1, 2000), 2451545.0);
  EXPECT_EQ(JulianDayNumber(1, 1, 1901), 2415386.0);
  EXPECT_EQ(JulianDayNumber(12, 31, 2050), 2470172.0);
  EXPECT_EQ(JulianDayNumber(7, 4, 1976), 2442964.0);
}

TEST(JulianDayNumber, GregorianCorrectionStartsAfterDay2299171) {
  // 15 October 1582 still counts in the Julian calendar; the next day is corrected.
  EXPECT_EQ(JulianDayNumber(10, 15, 1582), 2299171.0);
  EXPECT_EQ(JulianDayNumber(10, 16, 1582), 2299162.0);
  EXPECT_EQ(JulianDayNumber(10, 4, 1582), 2299160.0);
}

TEST(JulianDayNumber, ExtremeArgumentsStayFinite) {
  constexpr int lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
  for (int v : {lo, -32768, -1, 0, 32767, hi}) {
    EXPECT_TRUE(std::isfinite(JulianDayNumber(v, v, v)));
    EXPECT_TRUE(std::isfinite(JulianDayNumber(1, 1, v)));
  }
}

TEST(JDToDateText, InvertsTheDayNumber) {
  EXPECT_EQ(JDToDateText(2451545), "(M/D/Y) 1/1/2000");
  EXPECT_EQ(JDToDateText(2415386), "(M/D/Y) 1/1/1901");
  EXPECT_EQ(JDToDateText(2470172), "(M/D/Y) 12/31/2050");
  EXPECT_EQ(JDToDateText(2451545 + 59), "(M/D/Y) 2/29/2000");
  // Fractions count from noon: half a day earlier is still the same date.
  EXPECT_EQ(JDToDateText(2451544.5), "(M/D/Y) 1/1/2000");
  for (int y = 1901; y <= 2050; y += 7)
    for (int m = 1; m <= 12; ++m)
      EXPECT_EQ(JDToDateText(JulianDayNumber(m, 28, y)),
                "(M/D/Y) " + std::to_string(m) + "/28/" + std::to_string(y));
}

TEST(JDToDateText, NonFiniteInputGivesTextNotACrash) {
  EXPECT_FALSE(JDToDateText(std::numeric_limits<double>::quiet_NaN()).empty());
  EXPECT_FALSE(JDToDateText(1e300).empty());
}

TEST(SiderealTime, BroughtIntoTheDay) {
  const double t0 = 0.0;
  for (double ut : {-3.0, 27.0, 0.0, 12.0}) {
    const double g = SiderealTime(t0, ut);
    EXPECT_GE(g, 0.0) << ut;
    EXPECT_LE(g, 24.0) << ut;
  }
  EXPECT_NEAR(SiderealTime(0, 0), 6.697374558, 1e-12);
  EXPECT_NEAR(SiderealTime(0, -3), 6.697374558 - 3 * 1.002737909 + 0, 1e-9);
  EXPECT_NEAR(SiderealTime(0, 27), 6.697374558 + 27 * 1.002737909 - 24, 1e-9);
}

TEST(SiderealTime, HugeOrNonFiniteArgumentsReturn) {
  EXPECT_LE(SiderealTime(1e100, 0), 24.0);
  EXPECT_GE(SiderealTime(-1e100, 0), 0.0);
  EXPECT_TRUE(std::isnan(SiderealTime(std::numeric_limits<double>::infinity(), 0)));
  EXPECT_TRUE(std::isnan(SiderealTime(0, -std::numeric_limits<double>::infinity())));
  EXPECT_TRUE(std::isnan(SiderealTime(std::numeric_limits<double>::quiet_NaN(), 0)));
}

TEST(ATan2, CornerCases) {
  EXPECT_EQ(ATan2(0, -1), 0.0);
  EXPECT_EQ(ATan2(0, 0), 0.0);
  EXPECT_EQ(ATan2(-1, 0), -HalfPi);
  EXPECT_EQ(ATan2(1, 0), HalfPi);
  EXPECT_NEAR(ATan2(1, 1), Pi / 4, 1e-15);
  EXPECT_NEAR(ATan2(1, -1), Pi - Pi / 4, 1e-14);
  EXPECT_NEAR(ATan2(-1, -1), -(Pi - Pi / 4), 1e-14);
  // Uses the 15-digit pi, not the full-precision one.
  EXPECT_EQ(ATan2(1, -1e300), 3.14159265358979);
}

TEST(ArcSin, ExactAtTheEndsAndArctangentInside) {
  EXPECT_EQ(ArcSin(1), 1.5707963267949);
  EXPECT_EQ(ArcSin(-1), -1.5707963267949);
  EXPECT_EQ(ArcSin(0), 0.0);
  EXPECT_NEAR(ArcSin(0.5), std::asin(0.5), 1e-15);
  EXPECT_TRUE(std::isnan(ArcSin(2)));  // no crash beyond the domain
}

TEST(Conversions, EclipticAndEquatorialRoundTrip) {
  const EquatorialPosition solstice = EclipticToEquatorial(90, 0, 23.44);
  EXPECT_NEAR(solstice.RA, 6.0, 1e-12);
  EXPECT_NEAR(solstice.Dec, 23.44, 1e-12);
  const EquatorialPosition winter = EclipticToEquatorial(270, 0, 23.44);
  EXPECT_NEAR(winter.RA, 18.0, 1e-12);  // a negative angle is raised once by 360
  EXPECT_NEAR(winter.Dec, -23.44, 1e-12);
  for (double lon = 5; lon < 360; lon += 37) {
    const EquatorialPosition p = EclipticToEquatorial(lon, 3.5, 23.4392815);
    EXPECT_NEAR(EquatorialToEcliptic(p.RA, p.Dec, 23.4392815), lon, 1e-9);
  }
  EXPECT_EQ(EquatorialToEcliptic(0, 0, 23.44), 0.0);
}

TEST(FormatLongitude, TruncatesAndNamesTheSign) {
  EXPECT_EQ(FormatLongitude(95.5), "5" + Deg + " 30' 0\" Can");
  EXPECT_EQ(FormatLongitude(-95.5), FormatLongitude(95.5));
  EXPECT_EQ(FormatLongitude(0.0), "0" + Deg + " 0' 0\" Ari");
  EXPECT_EQ(FormatLongitude(29.9999), "29" + Deg + " 59' 59\" Ari");
  EXPECT_EQ(FormatLongitude(359.99), "29" + Deg + " 59' 24\" Pis");
  EXPECT_EQ(FormatLongitude(24.29792), "24" + Deg + " 17' 52\" Ari");
}

TEST(FormatLongitude, BeyondTheCircleHasNoSignCode) {
  EXPECT_EQ(FormatLongitude(360), "0" + Deg + " 0' 0\" ");
  EXPECT_EQ(FormatLongitude(725.5), "5" + Deg + " 30' 0\" ");
  EXPECT_EQ(FormatLongitude(1e300).substr(0, 1), "0");
  // No place on the circle at all reads like one beyond it.
  EXPECT_EQ(FormatLongitude(std::numeric_limits<double>::quiet_NaN()), "0" + Deg + " 0' 0\" ");
  EXPECT_EQ(FormatLongitude(-std::numeric_limits<double>::infinity()), "0" + Deg + " 0' 0\" ");
}

// The sign a longitude lies in is the one its text names, also at the edges.
TEST(SignOfLongitude, TheSignTheTextNames) {
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  for (double lon : {0.0, -0.0, 29.9999999, 30.0, 95.5, -95.5, 329.999, 330.0, 359.9999999, 360.0, 360.5, 725.5,
                     1e300, nan, inf, -inf}) {
    const int sign = SignOfLongitude(lon);
    const std::string text = FormatLongitude(lon);
    const std::string code = text.substr(text.rfind(' ') + 1);
    EXPECT_EQ(code, sign < 0 ? "" : std::string(SignCodes[static_cast<std::size_t>(sign)])) << lon;
  }
  EXPECT_EQ(SignOfLongitude(0.0), 0);
  EXPECT_EQ(SignOfLongitude(359.9999999), 11);
  EXPECT_EQ(SignOfLongitude(360.0), -1);
  EXPECT_EQ(SignOfLongitude(nan), -1);
}

TEST(AyanamsaJ2000, NegativeNearTwentyFourDegrees) {
  EXPECT_NEAR(AyanamsaJ2000(0), -23.86, 0.01);
  EXPECT_LT(AyanamsaJ2000(1), AyanamsaJ2000(0));  // precession grows it
}

TEST(Wrapping, LoopsAlwaysEnd) {
  using detail::RaiseAboveZero;
  using detail::ReduceBelow;
  EXPECT_EQ(ReduceBelow(720, 360, true), 0.0);
  EXPECT_EQ(ReduceBelow(360, 360, false), 360.0);
  EXPECT_EQ(RaiseAboveZero(-10, 360), 350.0);
  EXPECT_LT(ReduceBelow(1e308, 360, true), 360.0);
  EXPECT_GE(RaiseAboveZero(-1e308, 360), 0.0);
  EXPECT_TRUE(std::isnan(ReduceBelow(std::numeric_limits<double>::infinity(), 360, true)));
  EXPECT_TRUE(std::isnan(RaiseAboveZero(-std::numeric_limits<double>::infinity(), 360)));
  // A period that is not above zero has no answer and would loop for ever.
  for (double period : {0.0, -0.0, -24.0, std::numeric_limits<double>::quiet_NaN()})
    for (double value : {-10.0, 0.0, 10.0}) {
      EXPECT_TRUE(std::isnan(ReduceBelow(value, period, true))) << value << " " << period;
      EXPECT_TRUE(std::isnan(ReduceBelow(value, period, false))) << value << " " << period;
      EXPECT_TRUE(std::isnan(RaiseAboveZero(value, period))) << value << " " << period;
    }
}

TEST(FloorDiv, RoundsDownAndIsTotal) {
  using detail::FloorDiv;
  constexpr long long lo = std::numeric_limits<long long>::min(), hi = std::numeric_limits<long long>::max();
  EXPECT_EQ(FloorDiv(7, 2), 3);
  EXPECT_EQ(FloorDiv(-7, 2), -4);
  EXPECT_EQ(FloorDiv(7, -2), -4);
  EXPECT_EQ(FloorDiv(-7, -2), 3);
  EXPECT_EQ(FloorDiv(-12, 12), -1);
  EXPECT_EQ(FloorDiv(lo, 1), lo);
  EXPECT_EQ(FloorDiv(lo, 2), lo / 2);
  EXPECT_EQ(FloorDiv(hi, -1), -hi);
  EXPECT_EQ(FloorDiv(lo, -1), hi);  // the true quotient 2^63 does not fit
  for (long long a : {lo, -1LL, 0LL, 5LL, hi}) EXPECT_EQ(FloorDiv(a, 0), 0) << a;
}

TEST(TextHelpers, TrimBlanksAndWholeNumbers) {
  using detail::TrimBlanks;
  const auto WholeNumber = [](const char* text) { return ReadWholeNumber(text, INT_MIN, INT_MAX); };
  EXPECT_EQ(TrimBlanks("  Ari "), "Ari");
  EXPECT_EQ(TrimBlanks("   "), "");
  EXPECT_EQ(TrimBlanks(""), "");
  EXPECT_EQ(TrimBlanks("\tAri"), "\tAri");  // blanks only
  EXPECT_EQ(WholeNumber(" -30 "), -30);
  EXPECT_EQ(WholeNumber("+4"), 4);
  EXPECT_EQ(WholeNumber("0"), 0);
  // Halves go to the even neighbour.
  EXPECT_EQ(WholeNumber("2.5"), 2);
  EXPECT_EQ(WholeNumber("3.5"), 4);
  EXPECT_EQ(WholeNumber("-2.5"), -2);
  EXPECT_EQ(WholeNumber(".5"), 0);
  EXPECT_EQ(WholeNumber("5."), 5);
  for (const char* bad : {"", " ", "+", "-", ".", "+-5", "--5", "5x", "x5", "1 5", "\t5", "1e3", "0x10", "inf",
                          "nan", "99999999999"})
    EXPECT_FALSE(WholeNumber(bad).has_value()) << bad;
}
