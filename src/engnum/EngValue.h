#pragma once

#include <cstddef>
#include <string>

// Engineering notation: a decimal number followed by at most one SI prefix
// letter ("47k", "251p", "300m"). Text is 8-bit; micro is the byte 0xB5.

inline constexpr char kMicroSign = '\xB5';

// Only this many leading characters of a text are ever looked at.
inline constexpr std::size_t kEngParseLimit = 31;

// Room that every FormatEngValue result at precision 4 or 6 fits in.
inline constexpr std::size_t kEngTextSize = 32;

// The power of ten of a prefix letter ("k" 3, "u" and the micro sign -6), or
// false for any other character, the space included.
bool EngPrefixExponent(char c, int& exponent);

// Text to number, honouring one prefix letter. Never fails: text that holds no
// readable number gives 0.0.
double ParseEngValue(const char* text);

// Number to text with `precision` significant digits and one prefix letter.
// Writes at most `outSize` bytes (terminator included) into `out` and returns
// `out`; the text is cut to fit a buffer that is too small.
char* FormatEngValue(double value, int precision, char* out, std::size_t outSize);

template <std::size_t N>
char* FormatEngValue(double value, int precision, char (&out)[N]) {
  return FormatEngValue(value, precision, out, N);
}

std::string FormatEngValue(double value, int precision);

// The value a field holds once a solver has written `value` into it (six digits).
double AsWrittenInField(double value);
