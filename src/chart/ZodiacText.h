// The sign and month names of the zodiac table as the windows and documents show
// them (QString).
#pragma once

#include <QString>
#include <string_view>

#include "astro/Zodiac.h"

inline QString TableText(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// "Aries" .. "Pisces" for 0..11.
inline QString SignNameText(std::size_t sign) { return TableText(astro::SignNames.at(sign)); }

// "January" .. "December" for 1..12; the empty text for any other number.
inline QString MonthNameText(int month) { return TableText(astro::MonthName(month)); }
