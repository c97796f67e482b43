// The chart window's chakra boxes show the bodies of their houses, and nothing of
// the chart before.
#include <gtest/gtest.h>

#include "chart/ChartData.h"
#include "platform/Forms.h"
#include "support/Doubles.h"
#include "support/SampleCharts.h"
#include "windows/frmDisplay.h"
#include "windows/modOrmandel_ChakraBoxes.h"

namespace {

using platform::Form;

class ChakraBoxesTest : public testing_doubles::WindowTest {};

TEST_F(ChakraBoxesTest, ASecondChartLeavesNoTraceOfTheFirst) {
  frmDisplay& f = Form<frmDisplay>::Get();
  FillChakraBoxes(f, samples::EveryBodyInEveryHouse());
  FillChakraBoxes(f, samples::ChartWithBoxes({{10, {Body::Venus}}, {10, {Body::Saturn, 0.0, true}}}));
  for (std::size_t box = 0; box < 12; ++box) {
    EXPECT_EQ(f.txtChakraPlanets[box]->text(), box == 10 ? QString("\r\nVenus\r\nSaturn (R) ") : QString());
  }
}

}  // namespace
