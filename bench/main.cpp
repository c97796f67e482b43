// Benchmarks run with one QApplication on the offscreen platform, so window
// benchmarks can drive real widgets, set up as the program sets itself up.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "windows/frmStartup.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  SetUpApplication();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
