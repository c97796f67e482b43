// The first chart of a run: the program started as usual, the input window
// painted and filled, then the time from the click on "Get My Ormandel" until
// the main window and its chart window have been painted. One chart per
// process, so every figure is a cold one; with --runs N the program starts
// itself N times and prints each figure and their median.
#include <QApplication>
#include <QProcess>
#include <QStringList>
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

int RunOnce(int argc, char* argv[]) {
  UseOffscreenUnlessAsked();
  QApplication app(argc, argv);
  long long ns = -1;
  bench::PaintWatch inputPainted({bench::Named("frmMain")});
  inputPainted.onPainted = [&ns] {
    frmMain* input = platform::Form<frmMain>::IfLoaded();
    if (input) {
      bench::FillInput(*input, 1);
      ns = bench::ChartClickToPaintedNs(*input);
    }
    QuitApplication();
  };
  StartProgram();
  QApplication::exec();
  if (ns < 0) {
    std::fprintf(stderr, "the first chart was not painted\n");
    return 1;
  }
  std::printf("first chart, click to painted: %.2f ms\n", static_cast<double>(ns) / 1e6);
  return 0;
}

int RunMany(int runs) {
  std::vector<double> figures;
  for (int i = 0; i < runs; ++i) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {});
    if (!child.waitForFinished(60000) || child.exitCode() != 0) {
      std::fprintf(stderr, "run %d failed: %s\n", i + 1, child.readAllStandardError().constData());
      return 1;
    }
    const QString line = QString::fromLocal8Bit(child.readAllStandardOutput()).trimmed();
    std::printf("%s\n", line.toLocal8Bit().constData());
    figures.push_back(line.section(QLatin1Char(':'), -1).remove(QStringLiteral("ms")).trimmed().toDouble());
  }
  std::printf("median of %d cold first charts: %.2f ms\n", runs, bench::Median(figures));
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
