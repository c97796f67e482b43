// The retrograde marks of one chart: eight table look-ups and the planet names.
#include <benchmark/benchmark.h>

#include "astro/Astro.h"

namespace {

void BM_MarkRetrogrades(benchmark::State& state) {
  astro::BirthRecord.BirthYear = 1976;
  astro::BirthRecord.BirthMonth = 9;
  astro::BirthRecord.BirthDay = 20;
  astro::BirthRecord.BirthHour = 14;
  astro::BirthRecord.BirthMinute = 35;
  astro::MarkRetrogrades();  // the first chart loads the tables
  std::int16_t day = 1;
  for (auto _ : state) {
    astro::BirthRecord.BirthDay = day;
    day = static_cast<std::int16_t>(day % 28 + 1);
    astro::MarkRetrogrades();
    benchmark::DoNotOptimize(astro::PlanetNames.data());
    benchmark::DoNotOptimize(astro::RetroFlags.data());
  }
}
BENCHMARK(BM_MarkRetrogrades);

}  // namespace
