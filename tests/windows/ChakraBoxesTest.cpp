// The chakra boxes take the houses in their mirrored pairs, text unchanged, and
// the chart window shows them as they are.
#include <gtest/gtest.h>

#include "chart/ChartData.h"
#include "platform/Forms.h"
#include "support/Doubles.h"
#include "windows/frmDisplay.h"
#include "windows/modOrmandel_ChakraBoxes.h"

namespace {

using platform::Form;

TEST(ChakraBoxTexts, EveryBoxTakesItsHouseUnchanged) {
  std::array<QString, 12> houses;
  for (int house = 1; house <= 12; ++house) {
    houses[static_cast<std::size_t>(house - 1)] = QStringLiteral("\r\nHouse%1").arg(house);
  }
  houses[0] = QStringLiteral("\r\nSun\r\nMercury (R) \r\nAsc");
  const std::array<QString, 12> boxes = ChakraBoxTexts(houses);
  // Emissive column (even boxes) houses 2..7, receptive column houses 1, 12, 11, 10, 9, 8.
  const std::array<int, 12> expected{2, 1, 3, 12, 4, 11, 5, 10, 6, 9, 7, 8};
  for (std::size_t box = 0; box < 12; ++box) {
    EXPECT_EQ(boxes[box], houses[static_cast<std::size_t>(expected[box] - 1)]) << "box " << box;
  }
  EXPECT_EQ(boxes[1], "\r\nSun\r\nMercury (R) \r\nAsc");
  EXPECT_EQ(ChakraBoxHouses, expected);
}

class ChakraBoxesTest : public testing_doubles::WindowTest {};

TEST_F(ChakraBoxesTest, ASecondChartLeavesNoTraceOfTheFirst) {
  frmDisplay& f = Form<frmDisplay>::Get();
  ChartData chart;
  chart.ChakraBoxes.fill(QStringLiteral("\r\nSaturn"));
  FillChakraBoxes(f, chart);
  chart.ChakraBoxes = {};
  chart.ChakraBoxes[10] = QStringLiteral("\r\nVenus");
  FillChakraBoxes(f, chart);
  for (std::size_t box = 0; box < 12; ++box) {
    EXPECT_EQ(f.txtChakraPlanets[box]->text(), box == 10 ? QString("\r\nVenus") : QString());
  }
}

}  // namespace
