#include "engnum/EngValue.h"
#include "engnum/StrictValue.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

namespace {

// memcpy rather than std::bit_cast, which the WebAssembly build's library lacks.
std::uint64_t Bits(double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

struct Row {
  std::string text;
  std::optional<double> value;  // none: refused
  const char* why;              // what the problem names, or why the value is right
};

TEST(StrictValue, ReadsWholeNumbersWithOnePrefixOrAnExponent) {
  const Row rows[] = {
      {"47k", 47e3, "a prefix"},
      {"0.1n", 0.1e-9, "a fraction and a prefix"},
      {"+.5", 0.5, "a sign and no integer digits"},
      {"-3m", -3e-3, "a negative value"},
      {"1\xB5", 1e-6, "the micro sign"},
      {"1u", 1e-6, "u for micro"},
      {"220", 220.0, "no prefix"},
      {"18.4848k", 18.4848e3, "a field's bits"},
      {"1.000001M", 1.000001e6, "a field's bits"},
      {"-4.7u", -4.7e-6, "a field's bits"},
      {"1E", 1e18, "a lone E is exa"},
      {"1e3", 1e3, "an exponent"},
      {"2.51E-10", 2.51e-10, "an upper-case exponent is no prefix when a sign follows"},
      {"1E3", 1e3, "nor when a digit follows"},
      {"2.5100000000000000000000000e-10", 2.51e-10, "longer than a field"},
      {std::string(40, '0') + "47k", 47e3, "longer than a field, with a prefix"},
      {"1e-999", 0.0, "too small reads as zero"},
      {"22x0p", {}, "\"x0p\" is not part of a number"},
      {"47kk", {}, "\"k\" is not part of a number"},
      {"4,7k", {}, "\",7k\" is not part of a number"},
      {"47 k", {}, "\" k\" is not part of a number"},
      {" 47k", {}, "does not start with a number"},
      {"1.5.2", {}, "\".2\" is not part of a number"},
      {"0x10", {}, "\"x10\" is not part of a number"},
      {"1\xE9", {}, "\"\xC3\xA9\" is not part of a number"},  // quoted as UTF-8
      {"1\x9B"
       "2J",
       {},
       "\"\xEF\xBF\xBD"
       "2J\" is not part of a number"},  // and a C1 control replaced
      {"1e3k", {}, "an exponent and the prefix \"k\" together"},
      {"1e", {}, "\"e\" is not part of a number"},
      {"1e+", {}, "\"e+\" is an exponent without digits"},
      {"1e999", {}, "beyond the range of a number"},
      {".", {}, "does not start with a number"},
      {"k", {}, "does not start with a number"},
      {"", {}, "empty"},
  };
  for (const Row& row : rows) {
    double value = -1.0;
    std::string problem;
    ASSERT_EQ(ReadStrictValue(row.text, value, &problem), row.value.has_value()) << row.text;
    if (row.value) {
      EXPECT_DOUBLE_EQ(value, *row.value) << row.text << ": " << row.why;
      // Without an exponent, a text a field reads whole gives the field's very bits.
      if (row.text.find_first_of("eE") == std::string::npos && row.text.size() < kEngParseLimit) {
        EXPECT_EQ(Bits(value), Bits(ParseEngValue(row.text.c_str()))) << row.text;
      }
    } else {
      EXPECT_NE(problem.find(row.why), std::string::npos) << row.text << " gave " << problem;
    }
  }
}

}  // namespace
