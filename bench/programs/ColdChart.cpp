// The first chart of a run: the program started as usual, the input window
// painted and filled, then the time from the click on "Get My Ormandel" until
// the main window and its chart window have been painted. One chart per
// process, so every figure is a cold one.
//
// Two figures, each in fresh processes:
// - "after idle": the click once the input window has been painted and the
//   event loop has gone idle, as it does while a user types the birth data
//   (seconds, before any click). The program uses that idle time, after the
//   input window's first paint, to decode the chart's pictures, load its fonts
//   and image readers and make ready the memory the main window is drawn in;
//   this figure includes what that leaves for the click. The pause before the
//   click is 300 ms, far shorter than any typing.
// - "at once": the click as soon as the input window has been painted, before
//   the event loop ran anything else: the first chart with nothing prepared.
//
// Without arguments one process prints both kinds of run's figure, "at once"
// (--now) or "after idle" (the default); with --runs N the program starts itself
// N times for each, alternating, and prints each figure and their medians.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QProcess>
#include <QStringList>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "ProgramStart.h"
#include "platform/Forms.h"
#include "support/BenchSupport.h"
#include "windows/frmMain.h"
#include "windows/frmStartup.h"
#include "windows/modHelp_QuitApplication.h"

namespace {

// Runs the event loop's work until a pass finds nothing to do.
void WaitIdle() {
  QAbstractEventDispatcher* dispatcher = QCoreApplication::eventDispatcher();
  while (dispatcher->processEvents(QEventLoop::AllEvents)) {
  }
}

int RunOnce(int argc, char* argv[], bool atOnce) {
  UseOffscreenUnlessAsked();
  QApplication app(argc, argv);
  long long ns = -1;
  long faults = 0;
  bench::PaintWatch inputPainted({bench::Named("frmMain")});
  const auto click = [&ns, &faults] {
    frmMain* input = platform::Form<frmMain>::IfLoaded();
    if (input) {
      bench::FillInput(*input, 1);
      const long before = bench::MinorFaults();
      ns = bench::ChartClickToPaintedNs(*input);
      faults = bench::MinorFaults() - before;
    }
    QuitApplication();
  };
  inputPainted.onPainted = [click, atOnce] {
    if (atOnce) {
      click();
      return;
    }
    // A pause of the event loop, far shorter than any typing, then whatever
    // is still pending, then the click.
    QTimer::singleShot(300, qApp, [click] {
      WaitIdle();
      click();
    });
  };
  StartProgram();
  QApplication::exec();
  if (ns < 0) {
    std::fprintf(stderr, "the first chart was not painted\n");
    return 1;
  }
  std::printf("first chart, click %s to painted: %.2f ms, %ld page faults\n", atOnce ? "at once" : "after idle",
              static_cast<double>(ns) / 1e6, faults);
  return 0;
}

bool RunChild(const QStringList& arguments, std::vector<double>& figures) {
  QProcess child;
  child.start(QCoreApplication::applicationFilePath(), arguments);
  if (!child.waitForFinished(60000) || child.exitCode() != 0) {
    std::fprintf(stderr, "a run failed: %s\n", child.readAllStandardError().constData());
    return false;
  }
  const QString line = QString::fromLocal8Bit(child.readAllStandardOutput()).trimmed();
  std::printf("%s\n", line.toLocal8Bit().constData());
  // "...: 21.50 ms, 48 page faults"
  figures.push_back(line.section(QLatin1Char(':'), -1).section(QStringLiteral(" ms"), 0, 0).trimmed().toDouble());
  return true;
}

int RunMany(int runs) {
  std::vector<double> afterIdle;
  std::vector<double> atOnce;
  for (int i = 0; i < runs; ++i) {
    if (!RunChild({}, afterIdle) || !RunChild({QStringLiteral("--now")}, atOnce)) return 1;
  }
  std::printf("median of %d cold first charts, click after idle: %.2f ms\n", runs, bench::Median(afterIdle));
  std::printf("median of %d cold first charts, click at once: %.2f ms\n", runs, bench::Median(atOnce));
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc == 3 && QByteArray(argv[1]) == "--runs") {
    QCoreApplication app(argc, argv);
    return RunMany(std::max(1, QByteArray(argv[2]).toInt()));
  }
  const bool atOnce = argc == 2 && QByteArray(argv[1]) == "--now";
  return RunOnce(argc, argv, atOnce);
}
