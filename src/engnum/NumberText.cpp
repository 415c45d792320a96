#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

// from_chars leaves the value untouched when it is out of range; decide
// between overflow and underflow from the mantissa and the exponent.
double OutOfRangeValue(std::string_view number, bool negative) {
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
  const double magnitude = huge ? HUGE_VAL : 0.0;
  return negative ? -magnitude : magnitude;
}

}  // namespace

bool ReadDecimal(std::string_view text, double& value) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::size_t mantissaStart = i;
  std::size_t end = SkipDigits(text, i);
  std::size_t digits = end - i;
  if (end < text.size() && text[end] == '.') {
    const std::size_t fractionEnd = SkipDigits(text, end + 1);
    digits += fractionEnd - (end + 1);
    end = fractionEnd;
  }
  if (digits == 0) return false;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    std::size_t e = end + 1;
    if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
    const std::size_t expEnd = SkipDigits(text, e);
    if (expEnd > e) end = expEnd;
  }
  const std::string_view number = text.substr(mantissaStart, end - mantissaStart);
  double magnitude = 0.0;
  const auto result =
      std::from_chars(number.data(), number.data() + number.size(), magnitude, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    value = OutOfRangeValue(number, negative);
    return true;
  }
  if (result.ec != std::errc()) return false;
  value = negative ? -magnitude : magnitude;
  return true;
}

std::size_t WriteGeneral(double value, int precision, char* out, std::size_t outSize) {
  if (outSize == 0) return 0;
  // %g treats a precision of 0 as 1; beyond 17 digits a double has nothing more to say.
  precision = std::clamp(precision, 1, 17);
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::general, precision);
  const std::size_t length = std::min<std::size_t>(result.ptr - text, outSize - 1);
  std::memcpy(out, text, length);
  out[length] = '\0';
  return length;
}

std::string FormatFixed(double value, int decimals) {
  decimals = std::clamp(decimals, 0, 17);
  // A finite double has at most 309 integer digits; sign, point and decimals fit too.
  char text[400];
  const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) return std::string();
  return std::string(text, result.ptr);
}
