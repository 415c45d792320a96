#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Locale-free number text. The C library's scanf/printf follow LC_NUMERIC, which
// Qt sets from the user's environment; a decimal comma must never change what
// "1.5" means or how a result is written.

// Reads one decimal number from the start of `text`: an optional sign, digits
// with an optional point (at least one digit), then an optional e/E exponent
// that counts only when digits follow it. No whitespace, hexadecimal, infinity
// or not-a-number forms. Returns false when no number starts there. A number
// beyond the range of a double reads as a signed infinity (or a signed zero
// when too small), as strtod gives.
bool ReadDecimal(std::string_view text, double& value);

// Writes `value` as printf("%.*g", precision) does in the C locale into `out`
// (room for `outSize` bytes, terminator included). The text is cut to fit and
// always terminated. Returns the length written.
std::size_t WriteGeneral(double value, int precision, char* out, std::size_t outSize);

// printf("%.*f", decimals) in the C locale, written whole however long.
std::string FormatFixed(double value, int decimals);

// The shortest text that reads back to `value` exactly, in fixed or scientific
// form, whichever is shorter ("0.3", "2.51e-10", "47000").
std::string FormatShortest(double value);
