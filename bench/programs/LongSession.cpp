// A long session in one process: chart after chart, each with its report, as a
// user goes through them (Get My Ormandel, Interpretation, the report closed,
// Back), with the birth data changing from chart to chart. Prints the peak and
// the resident memory after the first chart, the 10th, every 100th and the last
// (1,000 unless a number is given), and at the end the medians of the charts
// after the first and of the reports, each from its click until painted.
#include <QApplication>
#include <QByteArray>
#include <cstdio>
#include <vector>

#include "ProgramStart.h"
#include "platform/Forms.h"
#include "support/BenchSupport.h"
#include "windows/frmMain.h"
#include "windows/frmStartup.h"
#include "windows/modHelp_QuitApplication.h"

int main(int argc, char* argv[]) {
  UseOffscreenUnlessAsked();
  QApplication app(argc, argv);
  const int charts = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 1000;
  int done = 0;
  std::vector<double> laterChartMs;
  std::vector<double> reportMs;
  bench::PaintWatch inputPainted({bench::Named("frmMain")});
  inputPainted.onPainted = [&] {
    for (int n = 1; n <= charts; ++n) {
      frmMain* input = platform::Form<frmMain>::IfLoaded();
      if (!input) break;
      bench::FillInput(*input, n);
      const long long chartNs = bench::ChartClickToPaintedNs(*input);
      const long long reportNs = chartNs < 0 ? -1 : bench::ReportClickToPaintedNs();
      if (reportNs < 0) {
        std::fprintf(stderr, "chart %d or its report was not painted\n", n);
        break;
      }
      if (n > 1) laterChartMs.push_back(static_cast<double>(chartNs) / 1e6);
      reportMs.push_back(static_cast<double>(reportNs) / 1e6);
      bench::BackToInput();
      done = n;
      if (n == 1 || n == 10 || n % 100 == 0 || n == charts) {
        const bench::Memory memory = bench::ProcessMemory();
        std::printf("after %4d charts and reports: peak %.1f MB, resident %.1f MB\n", n,
                    static_cast<double>(memory.peakKb) / 1024.0, static_cast<double>(memory.residentKb) / 1024.0);
        std::fflush(stdout);
      }
    }
    QuitApplication();
  };
  StartProgram();
  QApplication::exec();
  std::printf("medians, click to painted: later charts %.2f ms, reports %.2f ms\n", bench::Median(laterChartMs),
              bench::Median(reportMs));
  return done == charts ? 0 : 1;
}
