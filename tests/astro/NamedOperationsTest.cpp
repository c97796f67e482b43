// The named operations of the chart run fill the shared tables from the
// calculators' results, and keep the numbers behind them.
#include <gtest/gtest.h>

#include <string>

#include "astro/Astro.h"
#include "TestBirths.h"

namespace {

using namespace astro;
using astro_test::Record;

struct Birth {
  const char* what;
  BirthRecordData record;
  const char* zoneHours;
  const char* zoneMinutes;
};


const Birth kBirths[] = {
    {"Greenwich, J2000", Record(1, 1, 2000, 12, 0, 0, 0, 0, 0, false, 51, 0, false, false), "0", "0"},
    {"New York, daylight saving", Record(7, 4, 1976, 9, 30, 5, 0, 74, 0, false, 40, 43, false, true), "5", "0"},
    {"Delhi, half-hour zone", Record(8, 15, 1947, 0, 30, 5, 30, 77, 13, true, 28, 36, false, false), "-5", "-30"},
    {"Sydney, south and east", Record(3, 21, 1985, 6, 45, 10, 0, 151, 12, true, 33, 52, true, false), "-10", "0"},
    {"Mercury retrograde", Record(3, 1, 2000, 18, 5, 8, 0, 118, 15, false, 34, 3, false, false), "8", "0"},
    {"Saturn retrograde", Record(6, 20, 1990, 23, 59, 1, 0, 2, 21, true, 48, 51, false, true), "-1", "0"},
};

const std::array<std::string, 9> kPositionNames{"Sun",     "Moon",   "Mercury", "Venus", "Mars",
                                                "Jupiter", "Saturn", "Asc",     ""};

void RunNamedOperations(const Birth& birth) {
  BirthRecord = birth.record;
  TzHoursText = birth.zoneHours;
  TzMinutesText = birth.zoneMinutes;
  CalcAscendant();
  CalcMoonAndDasha();
  CalcPlanetPositions();
  MarkRetrogrades();
}

TEST(NamedOperations, FillTheSharedTablesFromTheFunctions) {
  for (const Birth& birth : kBirths) {
    SCOPED_TRACE(birth.what);
    RunNamedOperations(birth);

    const AscendantResult ascendant = AscendantOf(birth.record);
    EXPECT_EQ(AscendantText, ascendant.AscendantText);
    EXPECT_EQ(MidheavenText, ascendant.MidheavenText);
    EXPECT_EQ(AyanamsaText, ascendant.AyanamsaText);

    const MoonResult moon = MoonOf(birth.record);
    EXPECT_EQ(MoonLongitudeText, moon.LongitudeText);
    EXPECT_EQ(TopoMoonLongitudeText, moon.TopoLongitudeText);
    EXPECT_EQ(RashiName, moon.Rashi);
    const DashaTexts dasha =
        DashaOf(moon.Values.Lambda, moon.Values.TopoLambda, moon.Values.BirthJD, PresentLocalDate());
    EXPECT_EQ(MoonNakshatra, dasha.MoonNakshatra);
    EXPECT_EQ(TopoMoonNakshatra, dasha.TopoMoonNakshatra);
    EXPECT_EQ(MoonDashaLords, dasha.MoonDashaLords);
    EXPECT_EQ(TopoDashaLords, dasha.TopoDashaLords);
    EXPECT_EQ(NextDashaText, dasha.NextDashaText);
    EXPECT_EQ(TopoNextDashaText, dasha.TopoNextDashaText);
    EXPECT_EQ(DashaBalanceText, dasha.DashaBalanceText);
    EXPECT_EQ(RunningDashaText, dasha.RunningDashaText);
    EXPECT_EQ(TopoRunningDashaText, dasha.TopoRunningDashaText);

    // The planets take the Moon's and the ascendant's numbers.
    const PlanetsResult planets = PlanetsOf(birth.record, ZoneAmount(birth.zoneHours),
                                            ZoneAmount(birth.zoneMinutes), moon.Values.Lambda,
                                            ascendant.Values.Ascendant);
    EXPECT_EQ(PlanetPositions, planets.Positions);
    EXPECT_EQ(PositionNames, kPositionNames);
    EXPECT_EQ(PlanetPositions[1], PositionText(moon.Values.Lambda));
    EXPECT_EQ(PlanetPositions[7], ShortPositionText(ascendant.AscendantText));

    const RetrogradeMarks marks = RetrogradesOf(birth.record);
    for (std::size_t k = 0; k < marks.size(); ++k) EXPECT_EQ(RetroFlags[k], marks[k]) << k;
    for (std::size_t k = 0; k < 5; ++k) {
      EXPECT_EQ(PlanetNames[k + 2], std::string(kPositionNames[k + 2]) + (marks[k] ? " (R) " : "")) << k;
    }

    // The numbers kept after the run give the signs the position texts name.
    ASSERT_TRUE(LastResults.Planets && LastResults.Retrogrades);
    EXPECT_EQ(*LastResults.Retrogrades, marks);
    for (std::size_t slot = 0; slot < 8; ++slot) {
      const int sign = SignOfLongitude(LastResults.Planets->Longitudes[slot]);
      ASSERT_GE(sign, 0) << slot;
      EXPECT_EQ(PlanetPositions[slot].substr(3, 3), SignCodes[static_cast<std::size_t>(sign)]) << slot;
    }
  }
}

TEST(NamedOperations, PlanetPositionsBeforeAnyMoonOrAscendantLeaveTheirSlotsEmpty) {
  LastResults = {};
  BirthRecord = kBirths[3].record;
  TzHoursText = "-1";
  TzMinutesText = "0";
  PositionNames[8] = "";
  CalcPlanetPositions();
  EXPECT_EQ(PositionNames, kPositionNames);
  EXPECT_EQ(PlanetPositions[1], "");
  EXPECT_EQ(PlanetPositions[7], "");
  EXPECT_EQ(PlanetPositions[0].size(), 9u);
  EXPECT_EQ(PlanetPositions[8], "");
}

}  // namespace
