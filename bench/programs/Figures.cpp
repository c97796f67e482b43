// Every window figure of the program, timed on the offscreen platform and on a
// real X server (Xvfb, started here), printed side by side. On each platform,
// in turn run after run: the bare Qt window with one line of text (the
// yardstick, Yardstick.cpp --text), the program's start-up (Startup.cpp), and a
// fresh process's first chart clicked after the input window went idle
// (ColdChart.cpp); then one long session (LongSession.cpp) for the later charts,
// the report and the memory after it. Start-up and the first chart are also
// given as ratios to the yardstick's start on the same platform.
//
//   ormandel_bench_figures [--runs N] [--charts M] [--programs DIR]
//
// N starts of each (default 11), M charts and reports in the session (default
// 1,000), and the folder of the benchmark programs (default this program's), so
// the figures of another build can be taken the same way. The programs run with
// a home, settings and runtime folder of their own, removed afterwards: the
// runtime folder holds the single-instance lock, so a copy of the program
// running elsewhere (or a second benchmark) is never met as the first instance.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdio>
#include <optional>
#include <vector>

#include "support/BenchSupport.h"
#include "support/XServer.h"

namespace {

struct Options {
  int runs = 11;
  int charts = 1000;
  QString programs;
};

// What one platform gave.
struct PlatformFigures {
  std::vector<double> yardstickMs;
  std::vector<double> startupMs;
  std::vector<double> firstChartMs;
  double laterChartMs = 0;
  double reportMs = 0;
  double residentMb = 0;
  double peakMb = 0;
};

// Runs program with arguments in environment; its standard output, or nothing
// when it failed.
std::optional<QString> Run(const QProcessEnvironment& environment, const QString& program,
                           const QStringList& arguments, long long* startNs = nullptr, int boundMs = 60000) {
  QProcess child;
  child.setProcessEnvironment(environment);
  if (startNs) *startNs = bench::NowNs();
  child.start(program, arguments);
  if (!child.waitForFinished(boundMs) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
    std::fprintf(stderr, "%s %s failed: %s\n", qPrintable(program), qPrintable(arguments.join(QLatin1Char(' '))),
                 child.readAllStandardError().constData());
    return std::nullopt;
  }
  return QString::fromLocal8Bit(child.readAllStandardOutput());
}

// The milliseconds from just before a program's start until it said "painted at <ns>".
std::optional<double> TimeStart(const QProcessEnvironment& environment, const QString& program,
                                const QStringList& arguments) {
  long long start = 0;
  const auto said = Run(environment, program, arguments, &start);
  if (!said) return std::nullopt;
  const long long painted = said->trimmed().section(QLatin1Char(' '), -1).toLongLong();
  if (painted <= start) return std::nullopt;
  return static_cast<double>(painted - start) / 1e6;
}

// The first number after pattern's match in text.
double NumberAfter(const QString& text, const QString& pattern) {
  const QRegularExpressionMatch match =
      QRegularExpression(pattern + QStringLiteral("\\s*([0-9.]+)")).match(text);
  return match.hasMatch() ? match.captured(1).toDouble() : -1;
}

bool Measure(const Options& options, const QProcessEnvironment& environment, PlatformFigures& figures) {
  const QString yardstick = options.programs + QStringLiteral("/ormandel_bench_yardstick");
  const QString startup = options.programs + QStringLiteral("/ormandel_bench_startup");
  const QString coldChart = options.programs + QStringLiteral("/ormandel_bench_cold_chart");
  const QString session = options.programs + QStringLiteral("/ormandel_bench_long_session");
  // One round before counting, so every program's files are in memory.
  for (int round = -1; round < options.runs; ++round) {
    const auto bare = TimeStart(environment, yardstick, {QStringLiteral("--text")});
    const auto started = TimeStart(environment, startup, {});
    const auto chart = Run(environment, coldChart, {});
    if (!bare || !started || !chart) return false;
    if (round < 0) continue;
    figures.yardstickMs.push_back(*bare);
    figures.startupMs.push_back(*started);
    figures.firstChartMs.push_back(NumberAfter(*chart, QStringLiteral("painted:")));
  }
  const auto said = Run(environment, session, {QString::number(options.charts)}, nullptr, 3600 * 1000);
  if (!said) return false;
  figures.laterChartMs = NumberAfter(*said, QStringLiteral("later charts"));
  figures.reportMs = NumberAfter(*said, QStringLiteral("reports"));
  const QString last = said->section(QStringLiteral("after"), -1);
  figures.peakMb = NumberAfter(last, QStringLiteral("peak"));
  figures.residentMb = NumberAfter(last, QStringLiteral("resident"));
  return true;
}

void Print(const Options& options, const PlatformFigures& offscreen, const PlatformFigures& x) {
  const auto median = [](const std::vector<double>& values) { return bench::Median(values); };
  const double offBare = median(offscreen.yardstickMs);
  const double xBare = median(x.yardstickMs);
  std::printf("medians of %d runs; the session %d charts and reports\n", options.runs, options.charts);
  std::printf("%-44s %18s %18s   %s\n", "figure", "offscreen", "X server", "goal on the X server");
  std::printf("%-44s %15.2f ms %15.2f ms\n", "bare Qt window with one line of text, start", offBare, xBare);
  const auto ratioRow = [&](const char* name, const std::vector<double>& off, const std::vector<double>& on,
                            const char* goal) {
    std::printf("%-44s %8.2f ms %5.2fx %8.2f ms %5.2fx   %s\n", name, median(off), median(off) / offBare, median(on),
                median(on) / xBare, goal);
  };
  ratioRow("start-up until the input window is painted", offscreen.startupMs, x.startupMs,
           "<= 1.5x the bare window");
  ratioRow("first chart, click to painted", offscreen.firstChartMs, x.firstChartMs, "<= 0.75x the bare window");
  std::printf("%-44s %15.2f ms %15.2f ms   < 25 ms\n", "later charts, click to painted", offscreen.laterChartMs,
              x.laterChartMs);
  std::printf("%-44s %15.2f ms %15.2f ms   < 10 ms\n", "report, click to painted", offscreen.reportMs, x.reportMs);
  std::printf("%-44s %15.1f MB %15.1f MB   < 60 MB\n", "resident memory after the session", offscreen.residentMb,
              x.residentMb);
  std::printf("%-44s %15.1f MB %15.1f MB\n", "peak memory of the session", offscreen.peakMb, x.peakMb);
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  Options options;
  options.programs = QCoreApplication::applicationDirPath();
  const QStringList arguments = QCoreApplication::arguments();
  for (qsizetype i = 1; i + 1 < arguments.size(); i += 2) {
    if (arguments[i] == QLatin1String("--runs")) options.runs = std::max(1, arguments[i + 1].toInt());
    if (arguments[i] == QLatin1String("--charts")) options.charts = std::max(2, arguments[i + 1].toInt());
    if (arguments[i] == QLatin1String("--programs")) options.programs = QDir(arguments[i + 1]).absolutePath();
  }

  // The programs keep their home, settings and runtime folder to themselves; the
  // runtime folder in memory where it can be, as a desktop session has it.
  QTemporaryDir home;
  const bool inMemory = QFileInfo(QStringLiteral("/dev/shm")).isWritable();
  std::optional<QTemporaryDir> runtime;
  if (inMemory) {
    runtime.emplace(QStringLiteral("/dev/shm/ormandel-bench-XXXXXX"));
  } else {
    runtime.emplace();
  }
  if (!home.isValid() || !runtime->isValid() ||
      !QFile::setPermissions(runtime->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
    std::fprintf(stderr, "no temporary folders for the programs' home and runtime folder\n");
    return 1;
  }
  QProcessEnvironment base = QProcessEnvironment::systemEnvironment();
  base.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime->path());
  base.insert(QStringLiteral("HOME"), home.path());
  base.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/.config"));
  base.insert(QStringLiteral("XDG_CACHE_HOME"), home.path() + QStringLiteral("/.cache"));

  QProcessEnvironment offscreenEnvironment = base;
  offscreenEnvironment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                              QStringLiteral("offscreen:configfile=") + QLatin1String(ORMANDEL_BENCH_SCREEN_CONFIG));
  offscreenEnvironment.remove(QStringLiteral("DISPLAY"));

  const bench::XServer server;
  if (!server.Started()) {
    std::fprintf(stderr, "%s\n", qPrintable(server.Failure()));
    return 1;
  }
  PlatformFigures offscreen;
  PlatformFigures x;
  if (!Measure(options, offscreenEnvironment, offscreen) || !Measure(options, server.Environment(base), x)) return 1;
  Print(options, offscreen, x);
  return 0;
}
