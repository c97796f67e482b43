// Cost of one Moon run: the three series, the topocentric correction and both
// nakshatra and dasha sections.
#include <benchmark/benchmark.h>

#include "astro/Astro.h"

namespace {

void BM_CalcMoonAndDasha(benchmark::State& state) {
  astro::BirthRecordData r;
  r.BirthMonth = 7;
  r.BirthDay = 4;
  r.BirthYear = 1976;
  r.BirthHour = 9;
  r.BirthMinute = 30;
  r.TzHours = 5;
  r.LongDegree = 74;
  r.LatDegree = 40;
  r.LatMinute = 43;
  r.IsDST = true;
  astro::BirthRecord = r;
  for (auto _ : state) {
    astro::CalcMoonAndDasha();
    benchmark::DoNotOptimize(astro::MoonLongitudeText.data());
  }
}
BENCHMARK(BM_CalcMoonAndDasha);

}  // namespace
