#include "astro/Numbers.h"

#include <charconv>
#include <cmath>

namespace astro {

std::optional<double> ReadNumber(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);

  bool negative = false;
  if (text.front() == '+' || text.front() == '-') {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // Digits with at most one decimal point and at least one digit; from_chars
  // would also take an exponent, "inf" and "nan", which are no numbers here.
  bool digit = false;
  bool point = false;
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      digit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return std::nullopt;
    }
  }
  if (!digit) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  return negative ? -value : value;
}

double RoundHalfEven(double value) {
  const double away = std::round(value);  // halves away from zero
  if (std::fabs(value - std::trunc(value)) == 0.5) return 2.0 * std::round(value / 2.0);
  return away;
}

std::optional<long long> ReadWholeNumber(std::string_view text, long long low, long long high) {
  const std::optional<double> value = ReadNumber(text);
  if (!value) return std::nullopt;
  const double rounded = RoundHalfEven(*value);
  if (!(rounded >= static_cast<double>(low) && rounded <= static_cast<double>(high))) return std::nullopt;
  return static_cast<long long>(rounded);
}

}  // namespace astro
