#include "CharConv.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// from_chars leaves the value untouched when it is out of range; decide
// between overflow and underflow from the mantissa and the exponent.
double OutOfRangeValue(std::string_view number) {
  const std::size_t e = number.find_first_of("eE");
  double mantissa = 0.0;
  std::from_chars(number.data(), number.data() + std::min(e, number.size()), mantissa);
  long long exponent = 0;
  if (e != std::string_view::npos) {
    std::size_t i = e + 1;
    const bool expNegative = number[i] == '-';
    if (number[i] == '+' || number[i] == '-') ++i;
    // Clamp while accumulating so an absurd exponent cannot overflow.
    for (; i < number.size(); ++i) exponent = std::min<long long>(exponent * 10 + (number[i] - '0'), 100000);
    if (expNegative) exponent = -exponent;
  }
  const bool huge = mantissa != 0.0 && std::log10(mantissa) + static_cast<double>(exponent) >= 0.0;
  return huge ? HUGE_VAL : 0.0;
}

}  // namespace

double ReadUnsignedDecimal(std::string_view number) {
  double value = 0.0;
  const auto result =
      std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) return OutOfRangeValue(number);
  return value;
}

std::size_t WriteDouble(double value, int precision, bool fixed, char* out, std::size_t size) {
  const auto result = std::to_chars(out, out + size, value,
                                    fixed ? std::chars_format::fixed : std::chars_format::general, precision);
  return result.ec == std::errc() ? static_cast<std::size_t>(result.ptr - out) : 0;
}

std::size_t WriteShortestDouble(double value, char* out, std::size_t size) {
  const auto result = std::to_chars(out, out + size, value);
  return result.ec == std::errc() ? static_cast<std::size_t>(result.ptr - out) : 0;
}
