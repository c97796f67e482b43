#include <benchmark/benchmark.h>

#include "astro/Astro.h"
#include "astro/modPlanetPosition_WesternAscendant.h"
#include "astro/modPlanetPosition_WesternPlanets.h"

namespace {

void SetExampleBirth() {
  astro::BirthRecord = astro::BirthRecordData{};
  auto& b = astro::BirthRecord;
  b.BirthMonth = 7;
  b.BirthDay = 4;
  b.BirthYear = 1976;
  b.BirthHour = 9;
  b.BirthMinute = 30;
  b.TzHours = 5;
  b.LongDegree = 74;
  b.LatDegree = 40;
  b.LatMinute = 43;
  b.IsDST = true;
  astro::TzHoursText = "5";
  astro::TzMinutesText = "0";
}

void BM_CalcAscendant(benchmark::State& state) {
  SetExampleBirth();
  for (auto _ : state) {
    astro::CalcAscendant();
    benchmark::DoNotOptimize(astro::AscendantText);
  }
}
BENCHMARK(BM_CalcAscendant);

void BM_CalcPlanetPositions(benchmark::State& state) {
  SetExampleBirth();
  astro::CalcAscendant();
  astro::MoonLongitudeText = "12\u00B0 34' 56\" Sco";
  for (auto _ : state) {
    astro::CalcPlanetPositions();
    benchmark::DoNotOptimize(astro::PlanetPositions);
  }
}
BENCHMARK(BM_CalcPlanetPositions);

}  // namespace
