#include "EngValue.h"

#include "NumberText.h"

#include <cmath>
#include <cstring>
#include <iterator>
#include <string_view>

namespace {

// Both prefix sets hold 17 characters ordered by exponent; the space in the
// middle (index 8) stands for "no prefix".
constexpr std::string_view EngStartChars = "0123456789.-+dDeEyzafpnum kMGTPEZY\xB5";
constexpr std::string_view EngPrefixChars = "yzafpnum kMGTPEZY";
constexpr std::string_view EngPrefixCharsMicro = "yzafpn\xB5m kMGTPEZY";
constexpr int kNoPrefixIndex = 8;

static_assert(EngPrefixChars.size() == 17 && EngPrefixCharsMicro.size() == 17);

// One table lookup per character instead of a search through the sets.
struct CharClasses {
  bool start[256] = {};
  signed char prefix[256] = {};  // index in EngPrefixChars, or -1
  signed char micro[256] = {};   // index in EngPrefixCharsMicro, or -1

  constexpr CharClasses() {
    for (int i = 0; i < 256; ++i) prefix[i] = micro[i] = -1;
    for (char c : EngStartChars) start[static_cast<unsigned char>(c)] = true;
    for (std::size_t i = 0; i < EngPrefixChars.size(); ++i)
      prefix[static_cast<unsigned char>(EngPrefixChars[i])] = static_cast<signed char>(i);
    for (std::size_t i = 0; i < EngPrefixCharsMicro.size(); ++i)
      micro[static_cast<unsigned char>(EngPrefixCharsMicro[i])] = static_cast<signed char>(i);
  }
};
constexpr CharClasses kClasses;

unsigned char Byte(char c) { return static_cast<unsigned char>(c); }

// 10^-precision for the precisions a double can carry; pow() for the rest.
double NegativePowerOfTen(int precision) {
  static constexpr double kPowers[] = {1e0,  1e-1,  1e-2,  1e-3,  1e-4,  1e-5,  1e-6,  1e-7,  1e-8,
                                       1e-9, 1e-10, 1e-11, 1e-12, 1e-13, 1e-14, 1e-15, 1e-16, 1e-17};
  if (precision >= 0 && precision < static_cast<int>(std::size(kPowers))) return kPowers[precision];
  return std::pow(10.0, -precision);
}

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

bool EngPrefixExponent(char c, int& exponent) {
  int index = kClasses.prefix[Byte(c)];
  if (index < 0) index = kClasses.micro[Byte(c)];
  if (index < 0 || index == kNoPrefixIndex) return false;
  exponent = 3 * (index - kNoPrefixIndex);
  return true;
}

double ParseEngValue(const char* text) {
  if (text == nullptr) return 0.0;
  // The copy plus "e-24" never needs more than 31 + 4 bytes and a terminator.
  char work[kEngParseLimit + 8];
  const std::size_t length = strnlen(text, kEngParseLimit);
  std::memcpy(work, text, length);

  std::size_t start = 0;
  while (start < length && !kClasses.start[Byte(work[start])]) ++start;
  if (start == length) return 0.0;

  // The plain set is searched first over the whole stretch; only when it has
  // no match does the micro sign count.
  std::size_t end = length;
  int index = kNoPrefixIndex;
  std::size_t at = start;
  while (at < length && kClasses.prefix[Byte(work[at])] < 0) ++at;
  if (at < length) {
    index = kClasses.prefix[Byte(work[at])];
    end = at;
  } else {
    at = start;
    while (at < length && kClasses.micro[Byte(work[at])] < 0) ++at;
    if (at < length) {
      index = kClasses.micro[Byte(work[at])];
      end = at;
    }
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
  const double lo = 1.0 - 5.0 * NegativePowerOfTen(precision);
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

double AsWrittenInField(double value) { return ParseEngValue(FormatEngValue(value, 6).c_str()); }
