#include "CharConv.h"

#define FMT_HEADER_ONLY
#include <fast_float/fast_float.h>
#include <fmt/format.h>

#include <cmath>

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
  const auto result = fixed ? fmt::format_to_n(out, size, "{:.{}f}", value, precision)
                            : fmt::format_to_n(out, size, "{:.{}g}", value, precision);
  return result.size <= size ? result.size : 0;
}

#ifdef VARNHOLT_CHARCONV_BOTH
}  // namespace charconv_fallback
#endif
