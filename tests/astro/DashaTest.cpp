// Nakshatra and Vimshottari dasha: the birth section, the period helpers, the
// day-difference text and the running dasha on a date set by the test.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <string>

#include "astro/Astro.h"
#include "astro/modEphemeris_WesternHelpers.h"

namespace {

using namespace std::chrono;

constexpr double kJ2000 = 2451545.0;  // 1 January 2000

TEST(DashaTables, HoldTheirSlots) {
  EXPECT_EQ(astro::NakshatraNames.size(), 28u);
  EXPECT_EQ(astro::NakshatraNames[0], "Aswini");
  EXPECT_EQ(astro::NakshatraNames[10], "Purbha Phalguni");
  EXPECT_EQ(astro::NakshatraNames[19], "P.Shadya");
  EXPECT_EQ(astro::NakshatraNames[26], "Revati");
  EXPECT_EQ(astro::NakshatraNames[27], "");
  int total = 0;
  for (int i = 0; i < 9; ++i) total += astro::DashaYears[static_cast<std::size_t>(i)];
  EXPECT_EQ(total, 120);
  EXPECT_EQ(astro::DashaYears[9], 0);
  const char* codes[] = {"Ke", "Ve", "Su", "Mo", "Ma", "Ra", "Ju", "Sa", "Me"};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(astro::DashaLordCode(i), codes[i]);
}

// λ = 0: Aswini, Ketu with the whole mahadasha to run, and its first sub- and
// sub-sub-periods; the mahadasha ends 7 × 365.25 days after the birth day.
TEST(DashaBirth, StartOfAswini) {
  const astro::DashaAtBirth d = astro::DashaBirthSection(0.0, kJ2000);
  EXPECT_EQ(d.Nakshatra, "Aswini");
  EXPECT_EQ(d.Lord, 0);
  EXPECT_EQ(d.Lords, "Ke/Ke/Ke");
  EXPECT_DOUBLE_EQ(d.End, kJ2000 + 7 * 365.25);
  EXPECT_EQ(d.Next, 1);
  EXPECT_EQ(d.NextText, "Ve/Ve  (M/D/Y) 1/1/2007");
}

TEST(DashaBirth, MaghaAndMulaAreKetus) {
  const astro::DashaAtBirth magha = astro::DashaBirthSection(120.0, kJ2000);
  EXPECT_EQ(magha.Nakshatra, "Magha");
  EXPECT_EQ(magha.Lords, "Ke/Ke/Ke");
  const astro::DashaAtBirth mula = astro::DashaBirthSection(240.0, kJ2000);
  EXPECT_EQ(mula.Nakshatra, "Mula");
  EXPECT_EQ(mula.Lord, 0);
  // Half-way through Bharani (Venus): half of its 20 years is left.
  const astro::DashaAtBirth bharani = astro::DashaBirthSection(20.0, kJ2000);
  EXPECT_EQ(bharani.Nakshatra, "Bharani");
  EXPECT_EQ(bharani.Lord, 1);
  EXPECT_DOUBLE_EQ(bharani.End, kJ2000 + 10 * 365.25);
  // The last nakshatra is Mercury's; its next lord wraps round to Ketu.
  const astro::DashaAtBirth revati = astro::DashaBirthSection(359.0, kJ2000);
  EXPECT_EQ(revati.Nakshatra, "Revati");
  EXPECT_EQ(revati.Lord, 8);
  EXPECT_EQ(revati.Next, 0);
  EXPECT_EQ(revati.NextText.substr(0, 7), "Ke/Ke  ");
}

// Exactly 360 reads the empty slot 27; values that cannot come from a longitude
// still stay inside the tables.
TEST(DashaBirth, IndexesNeverLeaveTheirTables) {
  const astro::DashaAtBirth full = astro::DashaBirthSection(360.0, kJ2000);
  EXPECT_EQ(full.Nakshatra, "");
  EXPECT_EQ(full.Lord, 0);
  EXPECT_EQ(full.Lords.size(), 8u);
  for (double odd : {-5.0, 1e6, 1e300, std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN()}) {
    const astro::DashaAtBirth d = astro::DashaBirthSection(odd, kJ2000);
    EXPECT_GE(d.Lord, 0);
    EXPECT_LE(d.Lord, 8);
    EXPECT_EQ(d.Lords.size(), 8u);
  }
  EXPECT_EQ(astro::DashaLordCode(9), "Ke");
  EXPECT_EQ(astro::DashaLordCode(-1), "Ke");
}

TEST(DashaPeriods, SubPeriodsFollowTheLordOrder) {
  // At the start of a mahadasha its own lord runs at every level.
  for (int lord = 0; lord < 9; ++lord) {
    EXPECT_EQ(astro::DashaSubLord(1.0, lord), lord);
    EXPECT_EQ(astro::DashaSubSubLord(1.0, lord), lord);
  }
  // Half-way through Ketu's: Ke, Ve, Su, Mo and Ma take 0.4167 of it, Rahu runs.
  EXPECT_EQ(astro::DashaSubLord(0.5, 0), 5);
  // Rahu's sub-period covers 0.4167..0.5667, so 0.5556 of it has passed at 0.5:
  // Ra, Ju and Sa (0.4417) are over and Mercury runs at the sub-sub level.
  EXPECT_EQ(astro::DashaSubSubLord(0.5, 0), 8);
  // Just past the first sub-period of Venus (20/120 of it), Sun's begins.
  EXPECT_EQ(astro::DashaSubLord(1.0 - 20.0 / 120.0 - 1e-9, 1), 2);
  EXPECT_EQ(astro::DashaSubSubLord(1.0 - 20.0 / 120.0 - 1e-9, 1), 2);
  // Near the very end of Ketu's the last sub-period is Mercury's, and its last
  // sub-sub-period is the one before Mercury, Saturn's.
  EXPECT_EQ(astro::DashaSubLord(1e-9, 0), 8);
  EXPECT_EQ(astro::DashaSubSubLord(1e-9, 0), 7);
}

TEST(DashaPeriods, RunningDashaWalksOneCycle) {
  EXPECT_EQ(astro::RunningDasha(0.0, 3), "Mo/Mo/Mo");
  EXPECT_EQ(astro::RunningDasha(7 * 365.25, 0), "Ve/Ve/Ve");
  // One day before the start: a whole cycle is added, landing on the last day
  // of the preceding mahadasha (Mercury before Ketu).
  EXPECT_EQ(astro::RunningDasha(-1.0, 0), "Me/Sa/Ju");
  EXPECT_EQ(astro::RunningDasha(-1.0 - 43830.0 * 3, 0), "Me/Sa/Ju");
  // A count of a whole cycle or more is not reduced: the walk stops after nine
  // mahadashas back at the starting lord.
  EXPECT_EQ(astro::RunningDasha(50000.0, 0), "Ke/Ke/Ke");
  EXPECT_EQ(astro::RunningDasha(std::numeric_limits<double>::quiet_NaN(), 4), "Ma/Ma/Ma");
}

TEST(DashaBalance, YearsMonthsDays) {
  EXPECT_EQ(astro::DashaBalance(kJ2000, 0, kJ2000 + 400.0, 0), "1 year 1 month(s) 4 days");
  EXPECT_EQ(astro::DashaBalance(kJ2000 + 400.0, 0, kJ2000, 0), "1 year 1 month(s) 4 days");
  EXPECT_EQ(astro::DashaBalance(kJ2000, 0, kJ2000 + 20.0, 0), "20 days");
  EXPECT_EQ(astro::DashaBalance(kJ2000, 0, kJ2000, 0), "0 days");
  // 365.25 rounds to 365 days, less than a year of 365.25.
  EXPECT_EQ(astro::DashaBalance(kJ2000, 0, kJ2000 + 365.25, 0), "12 month(s) 5 days");
  EXPECT_EQ(astro::DashaBalance(kJ2000, 0, kJ2000 + 366.0, 0), "1 year 0 days");
  EXPECT_EQ(astro::DashaBalance(kJ2000, 0, kJ2000 + 95.0, 0), "3 month(s) 5 days");
}

TEST(DashaBalance, HalvesRoundToTheEvenNeighbour) {
  EXPECT_EQ(astro::DashaBalance(0.0, 0, 20.5, 0), "20 days");
  EXPECT_EQ(astro::DashaBalance(0.0, 0, 21.5, 0), "22 days");
  EXPECT_EQ(astro::DashaBalance(0.0, 0, 20.49, 0), "20 days");
  EXPECT_EQ(astro::DashaBalance(0.0, 0, 20.51, 0), "21 days");
}

// When the two estimates fall in different mahadashas the difference is taken
// from the length of one of them. Only the second form (geocentric lord later in
// the order) is rounded again: 3652.5 - 100 keeps its half day in the first form
// and rounds to the even 3552 in the second.
TEST(DashaBalance, DifferentLordsMeasureAgainstAMahadasha) {
  EXPECT_EQ(astro::DashaBalance(0.0, 2, 100.0, 3), "9 year 8 month(s) 25 days");
  EXPECT_EQ(astro::DashaBalance(0.0, 3, 100.0, 2), "9 year 8 month(s) 24 days");
  EXPECT_EQ(astro::DashaBalance(0.0, 0, 0.0, 1), "20 year 0 days");
}

// A present date before the end of the birth mahadasha gives a negative day
// count, one cycle is added and the walk lands back in the birth mahadasha: on
// the birth day itself the running lords are those at birth.
TEST(DashaOf, PresentDateInsideTheBirthMahadasha) {
  const astro::DashaTexts d = astro::DashaOf(223.31610291602644, 223.0771302033438, kJ2000, local_days{2000y / January / 1});
  EXPECT_EQ(d.MoonNakshatra, "Anuradha");
  EXPECT_EQ(d.MoonDashaLords, "Sa/Ra/Ju");
  EXPECT_EQ(d.NextDashaText, "Me/Me  (M/D/Y) 10/10/2004");
  EXPECT_EQ(d.RunningDashaText, "Sa/Ra/Ju");
  EXPECT_EQ(d.TopoMoonNakshatra, "Anuradha");
  EXPECT_EQ(d.TopoDashaLords, "Sa/Ra/Ra");
  EXPECT_EQ(d.TopoNextDashaText, "Me/Me  (M/D/Y) 2/11/2005");
  EXPECT_EQ(d.TopoRunningDashaText, "Sa/Ra/Ra");
  EXPECT_EQ(d.DashaBalanceText, "4 month(s) 4 days");

  // Later dates move on through the following mahadashas.
  const astro::DashaTexts later = astro::DashaOf(223.31610291602644, 223.0771302033438, kJ2000, local_days{2005y / March / 1});
  EXPECT_EQ(later.RunningDashaText.substr(0, 6), "Me/Me/");
  EXPECT_EQ(later.TopoRunningDashaText.substr(0, 6), "Me/Me/");
}

class PresentLocalDateTest : public ::testing::Test {
 protected:
  void TearDown() override { astro::PresentLocalTime = astro::SystemLocalTime; }
};

TEST_F(PresentLocalDateTest, ReplacedClockAndEmptyClock) {
  astro::PresentLocalTime = [] { return local_days{2000y / January / 1} + 23h + 59min; };
  EXPECT_EQ(astro::PresentLocalDate(), local_days{2000y / January / 1});
  astro::PresentLocalTime = nullptr;  // falls back to the system clock
  const local_days today = floor<days>(astro::SystemLocalTime());
  EXPECT_LE(astro::PresentLocalDate() - today, days{1});  // the test may run across midnight
  EXPECT_GE(static_cast<int>(year_month_day{today}.year()), 2020);
}

}  // namespace
