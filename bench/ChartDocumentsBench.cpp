// Chart documents: the codec, writing and reading a chart file, the chart
// window's snapshot and its JPEG.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "chart/ChartFile.h"
#include "windows/frmDisplay.h"
#include "windows/modSaveForm.h"
#include "platform/Forms.h"
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

void BM_SnapshotOfChartWindow(benchmark::State& state) {
  frmDisplay& display = platform::Form<frmDisplay>::Get();
  for (auto _ : state) benchmark::DoNotOptimize(SnapFormPicture(display));
  platform::Form<frmDisplay>::Unload();
}
BENCHMARK(BM_SnapshotOfChartWindow)->Unit(benchmark::kMillisecond);

void BM_SaveSnapshotAsJpeg(benchmark::State& state) {
  QTemporaryDir dir;
  frmDisplay& display = platform::Form<frmDisplay>::Get();
  const QImage picture = SnapFormPicture(display);
  const QString chosen = dir.path() + QStringLiteral("/chart.jpg");
  for (auto _ : state) {
    const QString written = SavePictureAsJpeg(picture, chosen);
    state.PauseTiming();
    QFile::remove(written);
    state.ResumeTiming();
  }
  platform::Form<frmDisplay>::Unload();
}
BENCHMARK(BM_SaveSnapshotAsJpeg)->Unit(benchmark::kMillisecond);

}  // namespace
