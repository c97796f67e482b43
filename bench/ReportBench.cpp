// Writing the chakra report (what the report window's load waits for) and
// printing it.
#include <benchmark/benchmark.h>

#include <QPrinter>
#include <QTemporaryDir>

#include "platform/RichTextBox.h"
#include "windows/modOrmandel_ReportWindow.h"

namespace {

std::array<QString, ChakraBoxCount> BusyBoxes() {
  std::array<QString, ChakraBoxCount> boxes;
  // Every planet in every box: the longest report a chart can give and more.
  for (QString& box : boxes) {
    box = QStringLiteral("\r\nSun\r\nMoon\r\nMercury (R) \r\nVenus\r\nMars\r\nJupiter\r\nSaturn\r\nAsc");
  }
  return boxes;
}

}  // namespace

static void BM_WriteChakraReport(benchmark::State& state) {
  RichTextBox report;
  report.SetAutoUrlDetect(true);
  const auto boxes = state.range(0) ? BusyBoxes() : std::array<QString, ChakraBoxCount>{};
  for (auto _ : state) {
    WriteReportRuns(report, ChakraReportRuns(boxes));
    benchmark::DoNotOptimize(report.SelStart());
  }
}
BENCHMARK(BM_WriteChakraReport)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

static void BM_PrintChakraReportToPdf(benchmark::State& state) {
  RichTextBox report;
  WriteReportRuns(report, ChakraReportRuns(BusyBoxes()));
  QTemporaryDir folder;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(folder.filePath(QStringLiteral("report.pdf")));
  for (auto _ : state) report.SelPrint(printer);
}
BENCHMARK(BM_PrintChakraReportToPdf)->Unit(benchmark::kMillisecond);
