// Benchmarks run with one QApplication on the offscreen platform with a
// desktop-sized screen (see programs/ProgramStart.h), so window benchmarks can
// drive real widgets, set up as the program sets itself up.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "programs/ProgramStart.h"
#include "windows/frmStartup.h"

int main(int argc, char** argv) {
  UseOffscreenUnlessAsked();
  QApplication app(argc, argv);
  SetUpApplication();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
