#include "CharConv.h"

// Header-only, formats compiled in, and no locale: only the double writer is
// linked, which keeps the WebAssembly module small.
#define FMT_HEADER_ONLY
#define FMT_STATIC_THOUSANDS_SEPARATOR ','
#include <fast_float/fast_float.h>
#include <fmt/compile.h>
#include <fmt/format.h>

#include <cmath>
#include <cstring>
#include <string>

#ifdef VARNHOLT_CHARCONV_BOTH
namespace charconv_fallback {
#endif

// fast_float maps a number beyond the range to infinity and one below it to
// zero, as the standard path does.
double ReadUnsignedDecimal(std::string_view number) {
  double value = 0.0;
  fast_float::from_chars(number.data(), number.data() + number.size(), value,
                         fast_float::chars_format::general);
  return value;
}

std::size_t WriteDouble(double value, int precision, bool fixed, char* out, std::size_t size) {
  // {fmt} spells the non-finite values as the standard to_chars does.
  const auto result = fixed ? fmt::format_to_n(out, size, FMT_COMPILE("{:.{}f}"), value, precision)
                            : fmt::format_to_n(out, size, FMT_COMPILE("{:.{}g}"), value, precision);
  return result.size <= size ? result.size : 0;
}

// {fmt} finds the shortest digits; the choice between fixed and scientific
// form is made here as to_chars makes it.
std::size_t WriteShortestDouble(double value, char* out, std::size_t size) {
  char text[64];
  std::string result;
  if (std::isnan(value)) {
    result = std::signbit(value) ? "-nan" : "nan";
  } else if (std::isinf(value)) {
    result = value < 0 ? "-inf" : "inf";
  } else if (value == 0.0) {
    result = std::signbit(value) ? "-0" : "0";
  } else {
    // Shortest digits and exponent: "{}" writes them in some form; read them back.
    const auto shortest = fmt::format_to_n(text, sizeof text - 1, FMT_COMPILE("{}"), value);
    const std::string_view form(text, shortest.size);
    std::string digits;
    int pointAt = -1;  // digits before the point
    int exponent = 0;
    std::size_t i = form[0] == '-' ? 1 : 0;
    for (; i < form.size() && form[i] != 'e'; ++i) {
      if (form[i] == '.') {
        pointAt = static_cast<int>(digits.size());
      } else {
        digits += form[i];
      }
    }
    if (pointAt < 0) pointAt = static_cast<int>(digits.size());
    if (i < form.size()) exponent = std::stoi(std::string(form.substr(i + 1)));
    // value = 0.digits * 10^(pointAt + exponent); strip zeros on both ends.
    int scale = pointAt + exponent;
    while (digits.size() > 1 && digits[0] == '0') {
      digits.erase(0, 1);
      --scale;
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int x = scale - 1;  // scientific exponent
    const int n = static_cast<int>(digits.size());
    std::string scientific = digits.substr(0, 1);
    if (n > 1) scientific += "." + digits.substr(1);
    const int absX = x < 0 ? -x : x;
    scientific += x < 0 ? "e-" : "e+";
    if (absX < 10) scientific += '0';
    scientific += std::to_string(absX);
    std::string fixed;
    if (x >= 0) {
      if (x >= 30) {
        // Longer than any scientific form: never chosen.
        fixed.assign(static_cast<std::size_t>(x + 1), '0');
      } else if (n <= x + 1) {
        // An integer: of the texts of this length the exact value is nearest.
        const auto whole = fmt::format_to_n(text, sizeof text - 1, FMT_COMPILE("{:.0f}"), std::fabs(value));
        fixed.assign(text, whole.size);
      } else {
        fixed = digits.substr(0, static_cast<std::size_t>(x + 1)) + "." +
                digits.substr(static_cast<std::size_t>(x + 1));
      }
    } else {
      fixed = "0." + std::string(static_cast<std::size_t>(-x - 1), '0') + digits;
    }
    result = value < 0 ? "-" : "";
    result += fixed.size() <= scientific.size() ? fixed : scientific;
  }
  if (result.size() > size) return 0;
  std::memcpy(out, result.data(), result.size());
  return result.size();
}

#ifdef VARNHOLT_CHARCONV_BOTH
}  // namespace charconv_fallback
#endif
