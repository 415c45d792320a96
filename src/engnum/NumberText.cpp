#include "NumberText.h"

#include "CharConv.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
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
  const double magnitude = ReadUnsignedDecimal(text.substr(mantissaStart, end - mantissaStart));
  value = negative ? -magnitude : magnitude;
  return true;
}

std::size_t WriteGeneral(double value, int precision, char* out, std::size_t outSize) {
  if (outSize == 0) return 0;
  // %g treats a precision of 0 as 1; beyond 17 digits a double has nothing more to say.
  precision = std::clamp(precision, 1, 17);
  char text[64];
  const std::size_t length = std::min(WriteDouble(value, precision, false, text, sizeof text), outSize - 1);
  std::memcpy(out, text, length);
  out[length] = '\0';
  return length;
}

std::string FormatFixed(double value, int decimals) {
  decimals = std::clamp(decimals, 0, 17);
  // A finite double has at most 309 integer digits; sign, point and decimals fit too.
  char text[400];
  return std::string(text, WriteDouble(value, decimals, true, text, sizeof text));
}

std::string FormatShortest(double value) {
  char text[64];
  return std::string(text, WriteShortestDouble(value, text, sizeof text));
}
