// The chart built from the calculators' results: each body's sign as its position
// text names it, the houses turned from the ascendant's sign, the retrograde marks,
// and the texts made from the chart.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "astro/Astro.h"
#include "chart/ChartData.h"
#include "support/SampleBirths.h"
#include "support/SampleCharts.h"

namespace {

using samples::ChartInSigns;

// The sign code a position text shows ("05 Ari 07"), -1 for none.
int SignInText(const std::string& position) {
  return astro::SignIndexOfCode(position.size() > 3 ? position.substr(3, 3) : std::string());
}

int SignNumber(std::optional<Sign> sign) { return sign ? static_cast<int>(*sign) : -1; }

void RunCalculators(const samples::SampleBirth& birth) {
  samples::MakeCurrent(birth);
  astro::CalcAscendant();
  astro::CalcMoonAndDasha();
  astro::CalcPlanetPositions();
  astro::MarkRetrogrades();
}

std::vector<samples::SampleBirth> Births() {
  std::vector<samples::SampleBirth> births = samples::VariedBirths(400);
  births.push_back(samples::AshaRao());
  births.push_back(samples::PatKelly());
  return births;
}

// Over the sample births the chart agrees with every text the calculators write:
// signs, positions, retrograde marks, the Moon's sign; each body with a sign
// stands once, in the house of its sign, in body order, and house 1 is the
// ascendant's.
TEST(BuildChart, AgreesWithTheCalculatorsTextsOverTheSampleBirths) {
  for (const samples::SampleBirth& birth : Births()) {
    RunCalculators(birth);
    ChartData chart;
    BuildChart(chart, birth.ZoneRow);
    const std::string which = birth.Record.BirthName + " " + std::to_string(birth.Record.BirthYear) + "-" +
                              std::to_string(birth.Record.BirthMonth) + "-" + std::to_string(birth.Record.BirthDay);
    for (std::size_t i = 0; i < BodyCount; ++i) {
      const Placement& placement = chart.Placements[i];
      ASSERT_EQ(SignNumber(SignOfLongitude(placement.longitude)), SignInText(astro::PlanetPositions[i])) << which;
      ASSERT_EQ(PositionText(placement).toStdString(), astro::PlanetPositions[i]) << which;
      ASSERT_EQ(BodyText(placement.body).toStdString(), astro::PositionNames[i]) << which;
      if (i < 7) {
        ASSERT_EQ(PlacementText(placement).toStdString(), astro::PlanetNames[i]) << which;
      }
    }
    ASSERT_EQ(SignText(chart.MoonSign).toStdString(), astro::RashiName) << which;
    ASSERT_EQ(chart.AscendantSign, SignOfLongitude(chart.Placements[7].longitude)) << which;
    ASSERT_EQ(chart.Houses[0].sign, chart.AscendantSign.value_or(Sign::Aries)) << which;
    ASSERT_EQ(chart.Birth.BirthName, birth.Record.BirthName);
    ASSERT_EQ(chart.ZoneRow, birth.ZoneRow);
    int placed = 0;
    for (std::size_t k = 0; k < HouseCount; ++k) {
      const House& house = chart.Houses[k];
      ASSERT_EQ(static_cast<int>(house.sign), (static_cast<int>(chart.Houses[0].sign) + static_cast<int>(k)) % 12);
      for (std::size_t n = 0; n < house.placements.size(); ++n) {
        ASSERT_EQ(SignOfLongitude(house.placements[n].longitude), house.sign) << which;
        if (n > 0) {
          ASSERT_LT(house.placements[n - 1].body, house.placements[n].body) << which;
        }
      }
      placed += static_cast<int>(house.placements.size());
    }
    ASSERT_EQ(placed, BodyCount) << which;
  }
}

TEST(BuildChart, PatKellysMercuryIsRetrogradeInTheHouseOfItsSign) {
  RunCalculators(samples::PatKelly());
  ChartData chart;
  BuildChart(chart, 50);
  const Placement& mercury = chart.Placements[static_cast<std::size_t>(Body::Mercury)];
  EXPECT_TRUE(mercury.retrograde);
  const House& house = chart.Houses[HouseOfSign(chart, *SignOfLongitude(mercury.longitude))];
  EXPECT_TRUE(HouseText(house).contains(QStringLiteral("\r\nMercury (R) ")));
}

// The sign is that of the longitude text, which truncates: whole degrees of the
// angle's size, none from 360 on or for no number.
TEST(SignOfLongitude, FollowsTheLongitudeText) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double longitude;
    int sign;
  } cases[] = {{0.0, 0},      {29.9999999, 0}, {30.0, 1},   {185.5, 6},  {359.9999999, 11}, {360.0, -1},
               {720.5, -1},   {-10.0, 0},      {-30.0, 1},  {-359.9, 11}, {nan, -1},          {inf, -1},
               {-inf, -1}};
  for (const auto& c : cases) {
    EXPECT_EQ(SignNumber(SignOfLongitude(c.longitude)), c.sign) << c.longitude;
    const std::string text = astro::FormatLongitude(c.longitude);
    EXPECT_EQ(astro::SignIndexOfCode(text.size() >= 3 ? text.substr(text.size() - 3) : text), c.sign) << text;
  }
}

TEST(BuildChart, HousesTurnFromTheAscendantsSign) {
  using S = Sign;
  const struct {
    std::array<Sign, BodyCount> signs;
    std::array<int, HouseCount> bodiesPerHouse;
  } cases[] = {
      // Pisces rising wraps round to Aries in house 2.
      {{S::Aries, S::Aquarius, S::Pisces, S::Aries, S::Taurus, S::Pisces, S::Capricorn, S::Pisces},
       {3, 2, 1, 0, 0, 0, 0, 0, 0, 0, 1, 1}},
      // Aries rising follows the zodiac.
      {{S::Aries, S::Aquarius, S::Pisces, S::Aries, S::Taurus, S::Pisces, S::Capricorn, S::Aries},
       {3, 1, 0, 0, 0, 0, 0, 0, 0, 1, 1, 2}},
      // Everything in Gemini: one house of eight, the ascendant last.
      {{S::Gemini, S::Gemini, S::Gemini, S::Gemini, S::Gemini, S::Gemini, S::Gemini, S::Gemini},
       {8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    const ChartData chart = ChartInSigns(c.signs);
    ASSERT_EQ(chart.AscendantSign, c.signs[7]);
    for (std::size_t k = 0; k < HouseCount; ++k) {
      EXPECT_EQ(static_cast<int>(chart.Houses[k].placements.size()), c.bodiesPerHouse[k]) << "house " << k + 1;
    }
    EXPECT_EQ(chart.Houses[0].placements.back().body, Body::Ascendant);
    EXPECT_EQ(chart.SunSign, c.signs[0]);
    EXPECT_EQ(chart.MoonSign, c.signs[1]);
  }
  const ChartData gemini = ChartInSigns({S::Gemini, S::Gemini, S::Gemini, S::Gemini, S::Gemini, S::Gemini,
                                         S::Gemini, S::Gemini},
                                        {Body::Mercury, Body::Saturn});
  EXPECT_EQ(HouseText(gemini.Houses[0]),
            "\r\nSun\r\nMoon\r\nMercury (R) \r\nVenus\r\nMars\r\nJupiter\r\nSaturn (R) \r\nAsc");
}

// A longitude naming no sign places nothing; the Sun's and the Moon's signs stay
// those of the chart before, and the houses start at Aries without an ascendant.
TEST(BuildChart, LongitudesNamingNoSignPlaceNothingAndKeepTheSunAndMoonSigns) {
  ChartData chart = ChartInSigns({Sign::Leo, Sign::Cancer, Sign::Virgo, Sign::Cancer, Sign::Taurus,
                                  Sign::Sagittarius, Sign::Aquarius, Sign::Leo});
  ChartReadings readings;
  readings.Longitudes = {360.0, std::nan(""), 100.0, 100.0, 100.0, 100.0, 100.0, 400.0};
  BuildChart(chart, readings, astro::BirthRecordData{}, 3);
  EXPECT_EQ(chart.SunSign, Sign::Leo);
  EXPECT_EQ(chart.MoonSign, Sign::Cancer);
  EXPECT_FALSE(chart.AscendantSign);
  EXPECT_EQ(chart.Houses[0].sign, Sign::Aries);
  EXPECT_EQ(chart.Houses[3].placements.size(), 5u);  // Mercury to Saturn in Cancer
  int placed = 0;
  for (const House& house : chart.Houses) placed += static_cast<int>(house.placements.size());
  EXPECT_EQ(placed, 5);
  EXPECT_EQ(SignText(std::nullopt), QString());
}

TEST(ChakraBoxHouse, EmissiveBoxesHoldHousesTwoToSevenAndReceptiveBoxesTheMirroredOnes) {
  const std::array<int, 12> expected{2, 1, 3, 12, 4, 11, 5, 10, 6, 9, 7, 8};
  const ChartData chart = ChartInSigns({});
  for (int box = 0; box < ChakraBoxCount; ++box) {
    EXPECT_EQ(&ChakraBoxHouse(chart, box), &chart.Houses[static_cast<std::size_t>(expected[box] - 1)]) << box;
  }
}

}  // namespace
