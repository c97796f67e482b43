#include "windows/modOrmandel_ChakraBoxes.h"

#include "chart/ChartData.h"
#include "windows/frmDisplay.h"

void FillChakraBoxes(frmDisplay& chart, const ChartData& data) {
  for (int box = 0; box < ChakraBoxCount; ++box) {
    chart.txtChakraPlanets[static_cast<std::size_t>(box)]->ShowHouse(ChakraBoxHouse(data, box));
  }
}
