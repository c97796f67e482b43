// The sample births the tests and the benchmarks share: a few named ones, and a
// reproducible range of varied births over the years, zones and hemispheres the
// input window offers. Header-only and on the astro layer alone, so the astro
// tests and the benchmarks can use it without the windows.
#pragma once

#include <array>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "astro/Shared.h"
#include "astro/modPlanetPosition_WesternTimeZones.h"

namespace samples {

// A birth as the input window hands it over: the record and its time-zone row.
struct SampleBirth {
  astro::BirthRecordData Record;
  int ZoneRow = 0;
};

// Gives the birth its zone row and the record that row's unsigned amounts, as the
// input window does. Loads the zone table.
inline void SetZone(SampleBirth& birth, int row) {
  astro::LoadTimeZones();
  const auto zone = static_cast<std::size_t>(row);
  birth.ZoneRow = row;
  birth.Record.TzHours = static_cast<std::int16_t>(std::abs(std::stoi(astro::TimeZoneHours[zone])));
  birth.Record.TzMinutes = static_cast<std::int16_t>(std::abs(std::stoi(astro::TimeZoneMinutes[zone])));
}

// 5 March 1975, 14:07, Pune (18°31' N, 73°51' E), zone row 12, no daylight saving.
inline SampleBirth AshaRao() {
  SampleBirth b;
  astro::BirthRecordData& r = b.Record;
  r.BirthName = "Asha Rao";
  r.BirthMonth = 3;
  r.BirthDay = 5;
  r.BirthYear = 1975;
  r.BirthHour = 14;
  r.BirthMinute = 7;
  r.LongDegree = 73;
  r.LongMinute = 51;
  r.LatDegree = 18;
  r.LatMinute = 31;
  r.IsEast = true;
  r.BirthCity = "Pune";
  r.BirthState = "Maharashtra";
  r.BirthCountry = "India";
  SetZone(b, 12);
  return b;
}

// 15 August 1965, 3:45, 47°34' N, 52°43' W, zone row 50, daylight saving: Mercury
// retrograde.
inline SampleBirth PatKelly() {
  SampleBirth b;
  astro::BirthRecordData& r = b.Record;
  r.BirthName = "Pat Kelly";
  r.BirthMonth = 8;
  r.BirthDay = 15;
  r.BirthYear = 1965;
  r.BirthHour = 3;
  r.BirthMinute = 45;
  r.LatDegree = 47;
  r.LatMinute = 34;
  r.LongDegree = 52;
  r.LongMinute = 43;
  r.IsDST = true;
  r.BirthCity = "St. John's";
  r.BirthState = "Newfoundland";
  r.BirthCountry = "Canada";
  SetZone(b, 50);
  return b;
}

// 4 July 1976, 9:30, New York (40°43' N, 74°0' W), Eastern Standard Time (zone
// row 27), daylight saving: the calculators' worked example.
inline SampleBirth NewYork1976() {
  SampleBirth b;
  astro::BirthRecordData& r = b.Record;
  r.BirthMonth = 7;
  r.BirthDay = 4;
  r.BirthYear = 1976;
  r.BirthHour = 9;
  r.BirthMinute = 30;
  r.LongDegree = 74;
  r.LatDegree = 40;
  r.LatMinute = 43;
  r.IsDST = true;
  SetZone(b, 27);
  return b;
}

// count different births over the years the input window offers (1901..2050),
// every zone row, both hemispheres, with and without daylight saving, at every
// hour and minute; the same births for the same seed.
inline std::vector<SampleBirth> VariedBirths(std::size_t count, unsigned seed = 20240614u) {
  std::mt19937 random(seed);
  const auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  constexpr std::array<int, 12> kMonthDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  std::vector<SampleBirth> births(count);
  for (SampleBirth& birth : births) {
    astro::BirthRecordData& r = birth.Record;
    r.BirthYear = static_cast<std::int16_t>(pick(1901, 2050));
    r.BirthMonth = static_cast<std::int16_t>(pick(1, 12));
    const int monthDays = kMonthDays[static_cast<std::size_t>(r.BirthMonth - 1)] +
                          (r.BirthMonth == 2 && r.BirthYear % 4 == 0 ? 1 : 0);
    r.BirthDay = static_cast<std::int16_t>(pick(1, monthDays));
    r.BirthHour = static_cast<std::int16_t>(pick(0, 23));
    r.BirthMinute = static_cast<std::int16_t>(pick(0, 59));
    SetZone(birth, pick(0, 70));
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

// Makes birth the current birth record with its zone row's signed amounts, as the
// chart run does before the calculators run.
inline void MakeCurrent(const SampleBirth& birth) {
  const auto zone = static_cast<std::size_t>(birth.ZoneRow);
  astro::BirthRecord = birth.Record;
  astro::TzHoursText = astro::TimeZoneHours[zone];
  astro::TzMinutesText = astro::TimeZoneMinutes[zone];
}

}  // namespace samples
