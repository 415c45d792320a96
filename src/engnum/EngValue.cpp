#include "EngValue.h"

#include "NumberText.h"

#include <cmath>
#include <cstring>
#include <string_view>

namespace {

// Both prefix sets hold 17 characters ordered by exponent; the space in the
// middle (index 8) stands for "no prefix".
constexpr std::string_view EngStartChars = "0123456789.-+dDeEyzafpnum kMGTPEZY\xB5";
constexpr std::string_view EngPrefixChars = "yzafpnum kMGTPEZY";
constexpr std::string_view EngPrefixCharsMicro = "yzafpn\xB5m kMGTPEZY";
constexpr int kNoPrefixIndex = 8;

static_assert(EngPrefixChars.size() == 17 && EngPrefixCharsMicro.size() == 17);

std::size_t Position(std::string_view set, char c) { return set.find(c); }

// Appends the decimal digits of `value` (no sign, no leading zeros).
std::size_t AppendDecimal(char* out, int value) {
  char digits[12];
  std::size_t count = 0;
  do {
    digits[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  for (std::size_t i = 0; i < count; ++i) out[i] = digits[count - 1 - i];
  return count;
}

}  // namespace

double ParseEngValue(const char* text) {
  if (text == nullptr) return 0.0;
  // The copy plus "e-24" never needs more than 31 + 4 bytes and a terminator.
  char work[kEngParseLimit + 8];
  const std::size_t length = strnlen(text, kEngParseLimit);
  std::memcpy(work, text, length);

  const std::string_view copy(work, length);
  const std::size_t start = copy.find_first_of(EngStartChars);
  if (start == std::string_view::npos) return 0.0;

  std::size_t end = length;
  int index = kNoPrefixIndex;
  const std::string_view rest = copy.substr(start);
  std::size_t prefixAt = rest.find_first_of(EngPrefixChars);
  std::string_view prefixSet = EngPrefixChars;
  if (prefixAt == std::string_view::npos) {
    prefixAt = rest.find_first_of(EngPrefixCharsMicro);
    prefixSet = EngPrefixCharsMicro;
  }
  if (prefixAt != std::string_view::npos) {
    index = static_cast<int>(Position(prefixSet, rest[prefixAt]));
    end = start + prefixAt;
  }

  const int exponent = 3 * (index - kNoPrefixIndex);
  if (exponent != 0) {
    work[end++] = 'e';
    if (exponent < 0) work[end++] = '-';
    end += AppendDecimal(work + end, exponent < 0 ? -exponent : exponent);
  }

  double value = 0.0;
  if (!ReadDecimal(std::string_view(work + start, end - start), value)) return 0.0;
  return value;
}

char* FormatEngValue(double value, int precision, char* out, std::size_t outSize) {
  if (out == nullptr || outSize == 0) return out;
  if (value == 0.0 || std::isnan(value)) {
    WriteGeneral(0.0, 1, out, outSize);
    return out;
  }

  const bool negative = value < 0.0;
  double a = std::fabs(value);
  const double lo = 1.0 - 5.0 * std::pow(10.0, -precision);
  const double hi = 1000.0 * lo;

  std::size_t index = kNoPrefixIndex;
  while (a > hi && index != EngPrefixCharsMicro.size() - 1) {
    a /= 1000.0;
    ++index;
  }
  while (a < lo && index != 0) {
    a *= 1000.0;
    --index;
  }

  if (a > hi || a < lo) {
    WriteGeneral(value, precision, out, outSize);
    return out;
  }

  std::size_t length = WriteGeneral(negative ? -a : a, precision, out, outSize);
  if (index != kNoPrefixIndex && length + 1 < outSize) {
    out[length++] = EngPrefixCharsMicro[index];
    out[length] = '\0';
  }
  return out;
}

std::string FormatEngValue(double value, int precision) {
  char text[kEngTextSize];
  return FormatEngValue(value, precision, text, sizeof text);
}
