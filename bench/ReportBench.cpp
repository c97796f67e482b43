// Writing the chakra report (what the report window's load waits for) and
// printing it.
#include <benchmark/benchmark.h>

#include <QPrinter>
#include <QTemporaryDir>

#include "platform/RichTextBox.h"
#include "support/SampleCharts.h"
#include "windows/modOrmandel_ReportWindow.h"

static void BM_WriteChakraReport(benchmark::State& state) {
  RichTextBox report;
  report.SetAutoUrlDetect(true);
  // Every body in every box: the longest report a chart can give and more.
  const ChartData chart = state.range(0) ? samples::EveryBodyInEveryHouse() : ChartData{};
  for (auto _ : state) {
    WriteReportRuns(report, ChakraReportRuns(chart));
    benchmark::DoNotOptimize(report.SelStart());
  }
}
BENCHMARK(BM_WriteChakraReport)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

static void BM_PrintChakraReportToPdf(benchmark::State& state) {
  RichTextBox report;
  WriteReportRuns(report, ChakraReportRuns(samples::EveryBodyInEveryHouse()));
  QTemporaryDir folder;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(folder.filePath(QStringLiteral("report.pdf")));
  for (auto _ : state) report.SelPrint(printer);
}
BENCHMARK(BM_PrintChakraReportToPdf)->Unit(benchmark::kMillisecond);
