#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "astro/Astro.h"
#include "astro/modPlanetPosition_WesternAscendant.h"
#include "astro/modPlanetPosition_WesternPlanets.h"
#include "support/SampleBirths.h"

namespace {

void SetExampleBirth() {
  samples::MakeCurrent(samples::NewYork1976());
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
  astro::CalcMoonAndDasha();
  for (auto _ : state) {
    astro::CalcPlanetPositions();
    benchmark::DoNotOptimize(astro::PlanetPositions);
  }
}
BENCHMARK(BM_CalcPlanetPositions);

}  // namespace

namespace {

// The whole chart by the four calculators, in the chart run's order, over 1,000
// different births; one iteration computes all of them. The time column is
// milliseconds per 1,000 charts, which is microseconds per chart; the counter
// says the same per chart.
void BM_WholeChart_1000Births(benchmark::State& state) {
  const std::vector<samples::SampleBirth> births = samples::VariedBirths(1000);
  astro::BirthRecord = births.front().Record;
  astro::MarkRetrogrades();  // the first chart of a run loads the retrograde tables
  for (auto _ : state) {
    for (const samples::SampleBirth& birth : births) {
      samples::MakeCurrent(birth);
      astro::CalcAscendant();
      astro::CalcMoonAndDasha();
      astro::CalcPlanetPositions();
      astro::MarkRetrogrades();
      benchmark::DoNotOptimize(astro::PlanetPositions.data());
      benchmark::DoNotOptimize(astro::RunningDashaText.data());
    }
  }
  state.counters["per_chart"] = benchmark::Counter(static_cast<double>(state.iterations()) * births.size(),
                                                   benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_WholeChart_1000Births)->Unit(benchmark::kMillisecond);

}  // namespace
