// The chart run from the click on "Get My Ormandel" to the main window shown:
// input checks, birth record, the four calculators, the chart window loaded and
// filled, the chakra boxes, and the main window loaded and shown.
#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

#include "windows/frmMain.h"
#include "platform/Forms.h"
#include "windows/MDI.h"
#include "windows/frmStartup.h"

namespace {

frmMain& FilledInputWindow() {
  platform::Form<frmStartup>::Get();
  frmMain& input = platform::Form<frmMain>::Show();
  input.txtName->setText(QStringLiteral("Ada"));
  input.cboMonth->setCurrentIndex(6);
  input.cboDate->setCurrentIndex(3);
  input.cboYear->setCurrentText(QStringLiteral("1976"));
  input.cboHour->setCurrentIndex(9);
  input.cboMinute->setCurrentIndex(30);
  input.txtLatDegree->setText(QStringLiteral("40"));
  input.txtLatMinute->setText(QStringLiteral("43"));
  input.txtLongDegree->setText(QStringLiteral("74"));
  input.txtLongMinute->setText(QStringLiteral("0"));
  input.txtCity->setText(QStringLiteral("New York"));
  input.txtState->setText(QStringLiteral("NY"));
  input.txtCountry->setText(QStringLiteral("USA"));
  return input;
}

void Settle() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

// As the user meets it: the main window and the chart window are not loaded
// (first chart, or after Back), so the run loads both.
void BM_ChartRun_FromInputWindow(benchmark::State& state) {
  frmMain& input = FilledInputWindow();
  for (auto _ : state) {
    input.cmdCalculate->click();
    state.PauseTiming();
    if (!platform::Form<MDI>::IsLoaded()) {
      state.SkipWithError("the chart run did not show the main window");
      break;
    }
    platform::Form<MDI>::IfLoaded()->cmdBack_Click();
    Settle();
    state.ResumeTiming();
  }
  platform::Form<MDI>::Unload();
  Settle();
}
BENCHMARK(BM_ChartRun_FromInputWindow)->Unit(benchmark::kMillisecond);

// The same run while the chart is up (the run after opening a saved chart):
// nothing is loaded, only computed and filled.
void BM_ChartRun_ChartAlreadyUp(benchmark::State& state) {
  frmMain& input = FilledInputWindow();
  input.cmdCalculate_Click();
  for (auto _ : state) {
    input.cmdCalculate_Click();
  }
  platform::Form<MDI>::Unload();
  Settle();
}
BENCHMARK(BM_ChartRun_ChartAlreadyUp)->Unit(benchmark::kMillisecond);

}  // namespace
