// Cost of one Moon run: the three series, the topocentric correction and both
// nakshatra and dasha sections.
#include <benchmark/benchmark.h>

#include "astro/Astro.h"
#include "support/SampleBirths.h"

namespace {

void BM_CalcMoonAndDasha(benchmark::State& state) {
  samples::MakeCurrent(samples::NewYork1976());
  for (auto _ : state) {
    astro::CalcMoonAndDasha();
    benchmark::DoNotOptimize(astro::MoonLongitudeText.data());
  }
}
BENCHMARK(BM_CalcMoonAndDasha);

}  // namespace
