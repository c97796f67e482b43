// Benchmarks run with one QApplication on the offscreen platform with a
// desktop-sized screen (see programs/ProgramStart.h), so window benchmarks can
// drive real widgets, set up as the program sets itself up. With --x-server
// they run on a real X server instead, an Xvfb started for the run (see
// support/XServer.h), as a desktop user's program draws.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <cstring>
#include <memory>

#include "programs/ProgramStart.h"
#include "support/XServer.h"
#include "windows/frmStartup.h"

int main(int argc, char** argv) {
  std::unique_ptr<bench::XServer> server;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--x-server") != 0) continue;
    std::memmove(argv + i, argv + i + 1, sizeof(char*) * static_cast<std::size_t>(argc - i));
    --argc;
    server = std::make_unique<bench::XServer>();
    if (!server->Started()) {
      std::fprintf(stderr, "%s\n", qPrintable(server->Failure()));
      return 1;
    }
    server->UseForThisProcess();
    break;
  }
  UseOffscreenUnlessAsked();
  int result = 0;
  {
    QApplication app(argc, argv);
    SetUpApplication();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
      result = 1;
    } else {
      benchmark::RunSpecifiedBenchmarks();
      benchmark::Shutdown();
    }
  }
  return result;
}
