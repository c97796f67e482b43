// The user's clicks timed until the window they open is painted: a chart run
// once the program is warm (the main and chart windows are loaded afresh each
// time, as after Back), the report of a real chart, the main window painted
// again, and the picture and JPEG of a chart window that was filled and shown.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <QToolBar>

#include "platform/Forms.h"
#include "support/BenchSupport.h"
#include "windows/MDI.h"
#include "windows/frmDisplay.h"
#include "windows/frmMain.h"
#include "windows/modSaveForm.h"

namespace {

// A chart on screen, for the benchmarks that start from one.
bool ChartUp(int variant) {
  frmMain& input = bench::FilledInputWindow(variant);
  return bench::ChartClickToPaintedNs(input) >= 0;
}

void BM_ChartRunPainted_Warm(benchmark::State& state) {
  // One chart first, so the program is warm.
  if (!ChartUp(0)) {
    state.SkipWithError("the first chart was not painted");
    return;
  }
  bench::BackToInput();
  int variant = 1;
  for (auto _ : state) {
    frmMain& input = platform::Form<frmMain>::Get();
    bench::FillInput(input, variant++);
    const long long ns = bench::ChartClickToPaintedNs(input);
    if (ns < 0) {
      state.SkipWithError("the chart was not painted");
      break;
    }
    state.SetIterationTime(static_cast<double>(ns) / 1e9);
    bench::BackToInput();
  }
  platform::Form<MDI>::Unload();
  bench::Settle();
}
BENCHMARK(BM_ChartRunPainted_Warm)->UseManualTime()->Unit(benchmark::kMillisecond);

// The report of the chart of birth data variant (0 New York 1976-ish, 1 Pune,
// 2 London, ...), once one report has been shown.
void BM_ReportPainted_Warm(benchmark::State& state) {
  if (!ChartUp(static_cast<int>(state.range(0))) || bench::ReportClickToPaintedNs() < 0) {
    state.SkipWithError("the chart or its first report was not painted");
    return;
  }
  bench::Settle();
  for (auto _ : state) {
    const long long ns = bench::ReportClickToPaintedNs();
    if (ns < 0) {
      state.SkipWithError("the report was not painted");
      break;
    }
    state.SetIterationTime(static_cast<double>(ns) / 1e9);
    bench::Settle();
  }
  bench::BackToInput();
}
BENCHMARK(BM_ReportPainted_Warm)->Arg(1)->Arg(2)->Arg(5)->UseManualTime()->Unit(benchmark::kMillisecond);

// The main window of a shown chart painted again whole (as when it is uncovered),
// and its toolbar alone.
void BM_MainWindowRepaint(benchmark::State& state) {
  if (!ChartUp(1)) {
    state.SkipWithError("the chart was not painted");
    return;
  }
  MDI& mdi = platform::Form<MDI>::Get();
  QWidget* painted = state.range(0) == 0 ? static_cast<QWidget*>(&mdi) : mdi.TB;
  for (auto _ : state) painted->repaint();
  bench::BackToInput();
}
BENCHMARK(BM_MainWindowRepaint)->ArgName("toolbar_only")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_SnapshotOfShownChart(benchmark::State& state) {
  if (!ChartUp(1)) {
    state.SkipWithError("the chart was not painted");
    return;
  }
  frmDisplay& display = platform::Form<frmDisplay>::Get();
  for (auto _ : state) benchmark::DoNotOptimize(SnapFormPicture(display));
  bench::BackToInput();
}
BENCHMARK(BM_SnapshotOfShownChart)->Unit(benchmark::kMillisecond);

void BM_SaveShownChartAsJpeg(benchmark::State& state) {
  if (!ChartUp(1)) {
    state.SkipWithError("the chart was not painted");
    return;
  }
  // What Save As JPEG does once its dialog has answered: the chart window
  // rendered, encoded and written.
  QTemporaryDir dir;
  const QString chosen = dir.path() + QStringLiteral("/chart.jpg");
  for (auto _ : state) {
    SaveChartAsJpeg(chosen);
    state.PauseTiming();
    QFile::remove(chosen);
    state.ResumeTiming();
  }
  bench::BackToInput();
}
BENCHMARK(BM_SaveShownChartAsJpeg)->Unit(benchmark::kMillisecond);

}  // namespace
