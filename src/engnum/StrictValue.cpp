#include "StrictValue.h"

#include "EngValue.h"
#include "FieldTextUtf8.h"
#include "NumberText.h"
#include "QuotedText.h"

#include <cmath>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

bool Refuse(std::string* problem, std::string reason) {
  if (problem) *problem = std::move(reason);
  return false;
}

}  // namespace

bool ReadStrictValue(std::string_view text, double& value, std::string* problem) {
  if (text.empty()) return Refuse(problem, "it is empty");
  std::size_t i = 0;
  if (text[i] == '+' || text[i] == '-') ++i;
  const std::size_t integerEnd = SkipDigits(text, i);
  std::size_t digits = integerEnd - i;
  i = integerEnd;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fractionEnd = SkipDigits(text, i + 1);
    digits += fractionEnd - (i + 1);
    i = fractionEnd;
  }
  if (digits == 0) return Refuse(problem, "it does not start with a number");
  const std::size_t mantissaEnd = i;

  // "e" or "E" followed by a sign or a digit starts an exponent; a lone "E"
  // is the exa prefix.
  bool hasExponent = false;
  if (i + 1 < text.size() && (text[i] == 'e' || text[i] == 'E') &&
      (IsDigit(text[i + 1]) || text[i + 1] == '+' || text[i + 1] == '-')) {
    std::size_t e = i + 1;
    if (text[e] == '+' || text[e] == '-') ++e;
    const std::size_t exponentEnd = SkipDigits(text, e);
    if (exponentEnd == e)
      return Refuse(problem, QuotedText(FieldBytesToUtf8(text.substr(i))) + " is an exponent without digits");
    hasExponent = true;
    i = exponentEnd;
  }

  int prefixExponent = 0;
  if (i < text.size() && EngPrefixExponent(text[i], prefixExponent)) {
    if (hasExponent)
      return Refuse(problem, "an exponent and the prefix " + QuotedText(FieldBytesToUtf8(text.substr(i, 1))) +
                                 " together");
    ++i;
  }
  if (i != text.size())
    return Refuse(problem, QuotedText(FieldBytesToUtf8(text.substr(i))) + " is not part of a number");

  // The prefix becomes an exponent appended to the number's own text, as a
  // field's reading does, so that both give the same bits.
  std::string number(text.substr(0, hasExponent ? i : mantissaEnd));
  if (prefixExponent != 0) number += "e" + std::to_string(prefixExponent);
  double read = 0.0;
  if (!ReadDecimal(number, read)) return Refuse(problem, "it does not start with a number");
  if (!std::isfinite(read)) return Refuse(problem, "it is beyond the range of a number");
  value = read;
  return true;
}
