// The one reader of numbers written as text, for every layer: the input window's
// boxes and lists, the chart file's fields, the stored reminder counter, the
// zone table's amounts and the retrograde rows.
#pragma once

#include <optional>
#include <string_view>

namespace astro {

// A decimal number filling the text: leading and trailing blanks (spaces only)
// removed, an optional sign, digits with an optional decimal part ("5.", ".5").
// Nothing for any other text, an exponent or a result that is not finite.
std::optional<double> ReadNumber(std::string_view text);

// The nearest whole number, halves going to the even neighbour, whatever
// rounding mode is in force.
double RoundHalfEven(double value);

// ReadNumber rounded by RoundHalfEven, when the result lies in [low, high]
// (bounds within 2^53 of zero, where every whole number is a double).
std::optional<long long> ReadWholeNumber(std::string_view text, long long low, long long high);

}  // namespace astro
