// Chart documents: the codec, writing and reading a chart file. The chart
// window's snapshot and its JPEG are timed on a shown chart (WindowPaintBench).
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "chart/ChartFile.h"
#include "chart/modHelp_Codec.h"

namespace {

void BM_EncodeDecodeName(benchmark::State& state) {
  const QString text = QStringLiteral("Anna Maria von Berg of Maharashtra, India");
  for (auto _ : state) benchmark::DoNotOptimize(DecodeText(EncodeText(text)));
}
BENCHMARK(BM_EncodeDecodeName);

void BM_WriteAndReadChartFile(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.path() + QStringLiteral("/chart.kdw");
  astro::BirthRecordData record;
  record.BirthName = "Asha Rao";
  record.BirthCity = "Pune";
  record.BirthState = "Maharashtra";
  record.BirthCountry = "India";
  for (auto _ : state) {
    WriteChartFile(path, ChartFileFields(record, 12));
    benchmark::DoNotOptimize(ReadChartFile(path));
  }
}
BENCHMARK(BM_WriteAndReadChartFile);

}  // namespace
