#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

#include "astro/Astro.h"
#include "astro/modPlanetPosition_WesternTimeZones.h"

using namespace astro;

namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

}  // namespace

TEST(LoadTimeZones, FillsSeventyOneRowsAndLeavesSlot71Empty) {
  TimeZoneNames[71] = TimeZoneHours[71] = TimeZoneMinutes[71] = "";
  TimeZoneNames[3] = "overwritten";
  for (int call = 0; call < 3; ++call) {
    LoadTimeZones();
    for (int row = 0; row <= 70; ++row) {
      EXPECT_FALSE(TimeZoneNames[row].empty()) << row;
      EXPECT_FALSE(TimeZoneHours[row].empty()) << row;
      EXPECT_FALSE(TimeZoneMinutes[row].empty()) << row;
    }
    EXPECT_EQ(TimeZoneNames[71], "");
    EXPECT_EQ(TimeZoneHours[71], "");
    EXPECT_EQ(TimeZoneMinutes[71], "");
  }
  EXPECT_EQ(TimeZoneNames[0], "Alaska/Hawaii Daylight Time,AHDT,-9.0");
  EXPECT_EQ(TimeZoneNames[3], "Atlantic Standard Time,AST,-4.0");
  EXPECT_EQ(TimeZoneNames[54], "Pacific Standard Time,PST,-8.0");
  EXPECT_EQ(TimeZoneHours[54], "8");
  EXPECT_EQ(TimeZoneNames[70], "Yukon War Time,YWT,-8.0");
}

TEST(LoadTimeZones, RowsTheListSinglesOut) {
  LoadTimeZones();
  EXPECT_EQ(TimeZoneNames[34], "Indian Time, IST, +5.3");
  EXPECT_EQ(TimeZoneHours[34], "-5");
  EXPECT_EQ(TimeZoneMinutes[34], "-30");
  EXPECT_EQ(TimeZoneNames[50], "Newfoundland Standard Time,NST,-3.5");
  EXPECT_EQ(TimeZoneHours[50], "3");
  EXPECT_EQ(TimeZoneMinutes[50], "30");
  EXPECT_EQ(TimeZoneHours[5], "-10");
  EXPECT_EQ(TimeZoneMinutes[5], "-30");
  for (int row : {29, 61}) {
    EXPECT_EQ(TimeZoneHours[row], "0");
    EXPECT_EQ(TimeZoneMinutes[row], "0");
  }
  EXPECT_EQ(TimeZoneNames[29], "Greenwich Mean Time,GMT,0.0");
  EXPECT_EQ(TimeZoneNames[61], "Universal Time, UT, 0.0");
  // Look-alike rows stay separate entries.
  EXPECT_EQ(TimeZoneNames[56], "South Australia Daylight Time,SAD,+10.5");
  EXPECT_EQ(TimeZoneNames[57], "South Australia Daylight Time,SDT,+10.5");
  EXPECT_EQ(TimeZoneNames[58], "South Australia Standard Time,SAST,+9.5");
  EXPECT_EQ(TimeZoneNames[59], "South Australia Standard Time,SAT,+9.5");
  EXPECT_EQ(TimeZoneNames[52], "North Sumatra Time,NST,+6.5");
  EXPECT_EQ(TimeZoneNames[62], "USSR Zone 10,UZ10,+11.0");
  EXPECT_EQ(TimeZoneNames[63], "USSR Zone 3,USZ3,+4.0");
  std::set<std::string> distinct(TimeZoneNames.begin(), TimeZoneNames.begin() + 71);
  EXPECT_EQ(distinct.size(), 71u);
}

TEST(LoadTimeZones, BlanksAfterCommasOnExactlyEightRows) {
  LoadTimeZones();
  std::set<int> blankRows;
  for (int row = 0; row <= 70; ++row)
    if (TimeZoneNames[row].find(", ") != std::string::npos) blankRows.insert(row);
  EXPECT_EQ(blankRows, (std::set<int>{11, 12, 34, 37, 39, 42, 51, 61}));
}

TEST(LoadTimeZones, RowsInCaseInsensitiveAlphabeticalOrder) {
  LoadTimeZones();
  for (int row = 1; row <= 70; ++row)
    EXPECT_LE(Lower(TimeZoneNames[row - 1]), Lower(TimeZoneNames[row])) << row;
}

// The amounts are the display offset with its sign reversed, split into whole
// hours and a half hour carrying the same sign; derived here from the text alone.
TEST(LoadTimeZones, AmountsAgreeWithTheDisplayedOffset) {
  LoadTimeZones();
  for (int row = 0; row <= 70; ++row) {
    const std::string& name = TimeZoneNames[row];
    std::string offset = name.substr(name.rfind(',') + 1);
    offset.erase(0, offset.find_first_not_of(' '));
    const bool ahead = offset[0] == '+';
    const bool behind = offset[0] == '-';
    ASSERT_TRUE(ahead || behind || offset == "0.0") << row;
    const std::string digits = (ahead || behind) ? offset.substr(1) : offset;
    const std::string whole = digits.substr(0, digits.find('.'));
    const std::string fraction = digits.substr(digits.find('.') + 1);
    ASSERT_TRUE(fraction == "0" || fraction == "5" || (row == 34 && fraction == "3")) << row;
    const int sign = ahead ? -1 : 1;
    EXPECT_EQ(TimeZoneHours[row], std::to_string(sign * std::stoi(whole))) << row;
    EXPECT_EQ(TimeZoneMinutes[row], std::to_string(fraction == "0" ? 0 : sign * 30)) << row;
  }
}
