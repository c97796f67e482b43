#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

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
  astro::CalcMoonAndDasha();
  for (auto _ : state) {
    astro::CalcPlanetPositions();
    benchmark::DoNotOptimize(astro::PlanetPositions);
  }
}
BENCHMARK(BM_CalcPlanetPositions);

}  // namespace

namespace {

// One birth as the input window hands it over: the record and the zone row's
// signed amount texts.
struct BirthMoment {
  astro::BirthRecordData Record;
  std::string ZoneHours;
  std::string ZoneMinutes;
};

// 1,000 different births over the years the input window offers, every zone,
// both hemispheres, with and without daylight saving, at every hour and minute.
std::vector<BirthMoment> VariedBirths() {
  astro::LoadTimeZones();
  std::mt19937 random(20240614u);
  const auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  constexpr std::array<int, 12> kMonthDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  std::vector<BirthMoment> births(1000);
  for (BirthMoment& birth : births) {
    astro::BirthRecordData& r = birth.Record;
    r.BirthYear = static_cast<std::int16_t>(pick(1901, 2050));
    r.BirthMonth = static_cast<std::int16_t>(pick(1, 12));
    const int monthDays = kMonthDays[static_cast<std::size_t>(r.BirthMonth - 1)] +
                          (r.BirthMonth == 2 && r.BirthYear % 4 == 0 ? 1 : 0);
    r.BirthDay = static_cast<std::int16_t>(pick(1, monthDays));
    r.BirthHour = static_cast<std::int16_t>(pick(0, 23));
    r.BirthMinute = static_cast<std::int16_t>(pick(0, 59));
    const auto zone = static_cast<std::size_t>(pick(0, 70));
    birth.ZoneHours = astro::TimeZoneHours[zone];
    birth.ZoneMinutes = astro::TimeZoneMinutes[zone];
    r.TzHours = static_cast<std::int16_t>(std::abs(std::stoi(birth.ZoneHours)));
    r.TzMinutes = static_cast<std::int16_t>(std::abs(std::stoi(birth.ZoneMinutes)));
    r.LongDegree = static_cast<std::int16_t>(pick(0, 179));
    r.LongMinute = static_cast<std::int16_t>(pick(0, 59));
    r.LatDegree = static_cast<std::int16_t>(pick(0, 66));
    r.LatMinute = static_cast<std::int16_t>(pick(0, 59));
    r.IsEast = pick(0, 1) == 1;
    r.IsSouth = pick(0, 1) == 1;
    r.IsDST = pick(0, 1) == 1;
  }
  return births;
}

// The whole chart by the four calculators, in the chart run's order, over 1,000
// different births; one iteration computes all of them. The time column is
// milliseconds per 1,000 charts, which is microseconds per chart; the counter
// says the same per chart.
void BM_WholeChart_1000Births(benchmark::State& state) {
  const std::vector<BirthMoment> births = VariedBirths();
  astro::BirthRecord = births.front().Record;
  astro::MarkRetrogrades();  // the first chart of a run loads the retrograde tables
  for (auto _ : state) {
    for (const BirthMoment& birth : births) {
      astro::BirthRecord = birth.Record;
      astro::TzHoursText = birth.ZoneHours;
      astro::TzMinutesText = birth.ZoneMinutes;
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
