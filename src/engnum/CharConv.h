#pragma once

#include <cstddef>
#include <string_view>

// The floating-point conversions NumberText is built on, correctly rounded and
// locale-free. The standard library's to_chars/from_chars serve where it has
// them; elsewhere (the WebAssembly build's libc++) fast_float reads and {fmt}
// writes. Both are correctly rounded too, so the choice changes no bit.

// An unsigned decimal (digits, an optional point, an optional exponent),
// already checked, to the nearest double. Beyond the range of a double it reads
// as infinity, below it as zero.
double ReadUnsignedDecimal(std::string_view number);

// printf's "%.*g" (general) or "%.*f" (fixed) in the C locale into `out`;
// returns the length, or 0 when `size` is too small.
std::size_t WriteDouble(double value, int precision, bool fixed, char* out, std::size_t size);

// The shortest text that reads back to `value`, fixed or scientific, whichever
// is shorter (fixed on a tie), as to_chars without a precision writes it.
std::size_t WriteShortestDouble(double value, char* out, std::size_t size);

#ifdef VARNHOLT_CHARCONV_BOTH
// The fallback's own entry points, built beside the standard ones where both
// exist so that tests can compare them.
namespace charconv_fallback {
double ReadUnsignedDecimal(std::string_view number);
std::size_t WriteDouble(double value, int precision, bool fixed, char* out, std::size_t size);
std::size_t WriteShortestDouble(double value, char* out, std::size_t size);
}  // namespace charconv_fallback
#endif
