// The program's start, from the process start until the input window has been
// painted, and then the program's own quit.
//
// Without arguments one process starts the program and prints the steady
// clock's nanoseconds at the moment the input window was painted. With --runs N
// the benchmark starts itself and the two yardsticks (a bare Qt Widgets window,
// empty and with one line of text; see Yardstick.cpp) in turn, N times each,
// times every process from just before it is started until it was painted and
// until it ended, and prints the medians and the program's ratio to each
// yardstick.
#include <QApplication>
#include <QProcess>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "ProgramStart.h"
#include "support/BenchSupport.h"
#include "windows/frmStartup.h"
#include "windows/modHelp_QuitApplication.h"

namespace {

int RunOnce(int argc, char* argv[]) {
  UseOffscreenUnlessAsked();
  QApplication app(argc, argv);
  bench::PaintWatch watch({bench::Named("frmMain")});
  watch.onPainted = [] { QuitApplication(); };
  StartProgram();
  QApplication::exec();
  if (!watch.Painted()) {
    std::fprintf(stderr, "the input window was never painted\n");
    return 1;
  }
  std::printf("painted at %lld\n", watch.PaintedNs());
  return 0;
}

struct Figures {
  const char* name;
  QString program;
  QStringList arguments;
  std::vector<double> paintedMs;
  std::vector<double> endedMs;
};

// One start of a program that prints "painted at <steady-clock ns>".
bool TimeOneStart(Figures& figures) {
  QProcess child;
  const long long start = bench::NowNs();
  child.start(figures.program, figures.arguments);
  if (!child.waitForFinished(60000) || child.exitCode() != 0) {
    std::fprintf(stderr, "a run of %s failed: %s\n", figures.name, child.readAllStandardError().constData());
    return false;
  }
  const long long ended = bench::NowNs();
  const QString line = QString::fromLocal8Bit(child.readAllStandardOutput()).trimmed();
  const long long painted = line.section(QLatin1Char(' '), -1).toLongLong();
  if (painted <= start) {
    std::fprintf(stderr, "%s did not say when it was painted\n", figures.name);
    return false;
  }
  figures.paintedMs.push_back(static_cast<double>(painted - start) / 1e6);
  figures.endedMs.push_back(static_cast<double>(ended - start) / 1e6);
  return true;
}

int RunMany(int runs) {
  const QString yardstick = QCoreApplication::applicationDirPath() + QStringLiteral("/ormandel_bench_yardstick");
  std::vector<Figures> all{
      {"the program", QCoreApplication::applicationFilePath(), {}, {}, {}},
      {"the empty window", yardstick, {}, {}, {}},
      {"the window with text", yardstick, {QStringLiteral("--text")}, {}, {}},
  };
  // One start of each before counting, so every program's files are in memory.
  for (Figures& figures : all) {
    if (!TimeOneStart(figures)) return 1;
    figures.paintedMs.clear();
    figures.endedMs.clear();
  }
  for (int i = 0; i < runs; ++i) {
    for (Figures& figures : all) {
      if (!TimeOneStart(figures)) return 1;
    }
  }
  std::printf("medians of %d starts, from the process start until painted / until ended:\n", runs);
  for (const Figures& figures : all) {
    std::printf("  %-22s %6.2f ms / %6.2f ms\n", figures.name, bench::Median(figures.paintedMs),
                bench::Median(figures.endedMs));
  }
  const double program = bench::Median(all[0].paintedMs);
  std::printf("the program's start until painted: %.2fx the empty window, %.2fx the window with text\n",
              program / bench::Median(all[1].paintedMs), program / bench::Median(all[2].paintedMs));
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc == 3 && QByteArray(argv[1]) == "--runs") {
    QCoreApplication app(argc, argv);
    return RunMany(std::max(1, QByteArray(argv[2]).toInt()));
  }
  return RunOnce(argc, argv);
}
