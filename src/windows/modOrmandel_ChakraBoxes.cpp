#include "windows/modOrmandel_ChakraBoxes.h"

#include "windows/frmDisplay.h"
#include "platform/Forms.h"

void FillChakraBoxes() {
  frmDisplay& chart = platform::Form<frmDisplay>::Get();
  for (std::size_t box = 0; box < ChakraBoxHouses.size(); ++box) {
    const auto house = static_cast<std::size_t>(ChakraBoxHouses[box] - 1);
    chart.txtChakraPlanets[box]->setText(chart.lblNatal[house]->text());
  }
}
