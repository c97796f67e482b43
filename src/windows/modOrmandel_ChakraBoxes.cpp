#include "windows/modOrmandel_ChakraBoxes.h"

#include "chart/ChartData.h"
#include "windows/frmDisplay.h"

void FillChakraBoxes(frmDisplay& chart, const ChartData& data) {
  for (std::size_t box = 0; box < data.ChakraBoxes.size(); ++box) {
    chart.txtChakraPlanets[box]->setText(data.ChakraBoxes[box]);
  }
}
