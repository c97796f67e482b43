// Birth records built from their numbers for the calculator tests, in the order
// the input window asks for them.
#pragma once

#include <cstdint>

#include "astro/Shared.h"

namespace astro_test {

inline astro::BirthRecordData Record(int month, int day, int year, int hour, int minute, int tzHours = 0,
                                     int tzMinutes = 0, int longDegree = 0, int longMinute = 0, bool east = false,
                                     int latDegree = 0, int latMinute = 0, bool south = false, bool dst = false) {
  astro::BirthRecordData r;
  r.BirthMonth = static_cast<std::int16_t>(month);
  r.BirthDay = static_cast<std::int16_t>(day);
  r.BirthYear = static_cast<std::int16_t>(year);
  r.BirthHour = static_cast<std::int16_t>(hour);
  r.BirthMinute = static_cast<std::int16_t>(minute);
  r.TzHours = static_cast<std::int16_t>(tzHours);
  r.TzMinutes = static_cast<std::int16_t>(tzMinutes);
  r.LongDegree = static_cast<std::int16_t>(longDegree);
  r.LongMinute = static_cast<std::int16_t>(longMinute);
  r.IsEast = east;
  r.LatDegree = static_cast<std::int16_t>(latDegree);
  r.LatMinute = static_cast<std::int16_t>(latMinute);
  r.IsSouth = south;
  r.IsDST = dst;
  return r;
}

}  // namespace astro_test
