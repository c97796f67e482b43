// The one table of the twelve signs and the twelve months every layer reads: the
// three-letter sign codes of the position texts, the signs' full English names and
// the months' full English names. Index 0 is Aries (and January); the chart
// pictures are numbered in the same order, 1 Aries .. 12 Pisces.
#pragma once

#include <array>
#include <string_view>

namespace astro {

inline constexpr std::array<std::string_view, 12> SignCodes{
    "Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};

inline constexpr std::array<std::string_view, 12> SignNames{
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

inline constexpr std::array<std::string_view, 12> MonthNames{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// The index 0..11 of a three-letter sign code, compared exactly; -1 for any other text.
constexpr int SignIndexOfCode(std::string_view code) {
  for (std::size_t i = 0; i < SignCodes.size(); ++i) {
    if (SignCodes[i] == code) return static_cast<int>(i);
  }
  return -1;
}

// The full month name of 1..12; the empty text for any other number.
constexpr std::string_view MonthName(int month) {
  return month >= 1 && month <= 12 ? MonthNames[static_cast<std::size_t>(month - 1)] : std::string_view();
}

}  // namespace astro
