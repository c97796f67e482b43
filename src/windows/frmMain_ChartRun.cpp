// The chart run behind "Get My Ormandel": checks the input, copies it into the
// birth record, runs the calculators, fills the chart window and shows the main
// window in place of the input window.
#include "windows/frmMain_ChartRun.h"

#include <QLabel>
#include <array>

#include "astro/Astro.h"
#include "chart/BirthInput.h"
#include "chart/ChartData.h"
#include "windows/frmDisplay.h"
#include "windows/frmMain.h"
#include "windows/modOrmandel_ChakraBoxes.h"
#include "platform/Forms.h"
#include "platform/Services.h"
#include "windows/ExitScreenRoad.h"
#include "windows/MDI.h"

namespace chartrun {

void ShowChart(frmDisplay& display, const ChartData& chart) {
  for (std::size_t i = 0; i <= 6; ++i) display.Planet[i]->setText(PositionText(chart.Placements[i]));
  display.Planet[9]->setText(PositionText(chart.Placements[static_cast<std::size_t>(Body::Ascendant)]));
  if (chart.SunSign) display.lblLagna->setText(SignText(chart.SunSign));
  display.lblRashi->setText(SignText(chart.MoonSign));
  // The hidden sign labels keep each sign's list of bodies; the houses show them.
  const std::array<QLabel*, 12> signLabels = display.SignLabels();
  for (std::size_t j = 0; j < signLabels.size(); ++j) {
    signLabels[j]->setText(HouseText(chart.Houses[HouseOfSign(chart, static_cast<Sign>(j))]));
    signLabels[j]->hide();
  }
  for (std::size_t k = 0; k < display.lblNatal.size(); ++k) display.lblNatal[k]->ShowHouse(chart.Houses[k]);
  // Without the ascendant's sign the window keeps the pictures it shows.
  if (chart.AscendantSign) {
    for (std::size_t k = 0; k < display.imgSign.size(); ++k) {
      display.imgSign[k]->setPixmap(display.IMG.ListImages(static_cast<int>(chart.Houses[k].sign) + 1));
    }
  }
}

}  // namespace chartrun

void frmMain::cmdCalculate_Click() {
  // ValidateInput has already told the user what is wrong.
  if (!ValidateInput()) return;
  astro::LoadTimeZones();
  // A second guard behind ValidateInput: nothing reaches the calculators that
  // does not read as a whole number.
  if (!CopyBirthInput(Input())) {
    platform::MsgBox(QStringLiteral("The birth data could not be read as whole numbers. Please check "
                                    "the latitude, the longitude and the time zone."),
                     platform::MsgButtons::OK, platform::MsgIcon::Critical);
    return;
  }
  astro::CalcAscendant();
  astro::CalcMoonAndDasha();
  astro::CalcPlanetPositions();
  astro::MarkRetrogrades();
  BuildChart(CurrentChart, Input().ZoneRow);
  // The chart window is loaded here when it is not, after the birth record is
  // complete, so its birth-data labels show this chart.
  frmDisplay& display = platform::Form<frmDisplay>::Get();
  chartrun::ShowChart(display, CurrentChart);
  FillChakraBoxes(display, CurrentChart);
  platform::Form<MDI>::Show();
  // The input window is only hidden: it keeps its inputs for Back and New.
  HideExitScreen();
  hide();
}
