// Loading the chart window (every control and picture) and filling its chakra
// boxes, the two steps of a chart run that belong to the window itself.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>

#include "chart/ChartData.h"
#include "windows/frmDisplay.h"
#include "windows/modOrmandel_ChakraBoxes.h"
#include "platform/Forms.h"
#include "support/SampleCharts.h"

static void BM_LoadChartWindow(benchmark::State& state) {
  for (auto _ : state) {
    frmDisplay& window = platform::Form<frmDisplay>::Get();
    benchmark::DoNotOptimize(&window);
    state.PauseTiming();
    platform::Form<frmDisplay>::Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_LoadChartWindow)->Unit(benchmark::kMillisecond);

static void BM_FillChakraBoxes(benchmark::State& state) {
  frmDisplay& window = platform::Form<frmDisplay>::Get();
  const ChartData chart = samples::ChartWithBoxes({{0, {Body::Sun}}, {0, {Body::Mercury, 0.0, true}}, {0, {Body::Ascendant}}});
  for (auto _ : state) FillChakraBoxes(window, chart);
  platform::Form<frmDisplay>::Unload();
}
BENCHMARK(BM_FillChakraBoxes)->Unit(benchmark::kMicrosecond);
