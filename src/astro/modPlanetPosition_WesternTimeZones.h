// The fixed table of 71 named time zones the user picks a birth's zone from, with
// the amounts that turn that zone's local clock time into universal time.
#pragma once

#include <array>
#include <string>

namespace astro {

// Three parallel tables; rows 0..70 are used, slot 71 stays empty. A row index is
// the zone's position in the input window's list.
// Display text: name, abbreviation and offset from universal time ("...,PST,-8.0").
inline std::array<std::string, 72> TimeZoneNames;
// Whole hours to add to local time for universal time ("8" for "-8.0").
inline std::array<std::string, 72> TimeZoneHours;
// Minutes to add in the same sense: "0", "30" or "-30".
inline std::array<std::string, 72> TimeZoneMinutes;

// Writes rows 0..70 of the three tables with their fixed values; may run any
// number of times and always leaves the same contents.
void LoadTimeZones();

}  // namespace astro
