#include "engnum/CharConv.h"
#include "engnum/NumberText.h"

#include <gtest/gtest.h>

#include <locale.h>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

TEST(NumberText, FixedDecimalsLikePrintf) {
  EXPECT_EQ(FormatFixed(1.3314016810396694, 6), "1.331402");
  EXPECT_EQ(FormatFixed(1.5, 6), "1.500000");
  EXPECT_EQ(FormatFixed(-0.0000004, 6), "-0.000000");
  EXPECT_EQ(FormatFixed(HUGE_VAL, 6), "inf");
  // The largest double, written whole: 309 integer digits, a point, six decimals.
  const std::string longest = FormatFixed(1.7976931348623157e308, 6);
  EXPECT_EQ(longest.size(), 316u);
  EXPECT_EQ(longest.substr(0, 6), "179769");
  EXPECT_EQ(longest.substr(longest.size() - 7), ".000000");
  EXPECT_EQ(FormatFixed(1e25, 6), "10000000000000000905969664.000000");
}

TEST(NumberText, ReadDecimalRejectsWhatIsNotADecimal) {
  double value = 7.0;
  for (const char* text : {"", "+", "-", ".", "e5", "+.e1", "inf", "nan", " 1"}) {
    EXPECT_FALSE(ReadDecimal(text, value)) << text;
  }
  EXPECT_EQ(value, 7.0);
  ASSERT_TRUE(ReadDecimal("0x1A", value));
  EXPECT_EQ(value, 0.0);
  ASSERT_TRUE(ReadDecimal("-.5e+2x", value));
  EXPECT_EQ(value, -50.0);
}

// printf in the C locale, whatever the process locale is.
std::string CPrintf(const char* format, int precision, double value) {
  const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  const locale_t previous = uselocale(c);
  char text[512];
  std::snprintf(text, sizeof text, format, precision, value);
  uselocale(previous);
  freelocale(c);
  return text;
}

TEST(NumberText, AgreesWithTheCLibraryInTheCLocale) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> exponent(-320, 308);
  std::uniform_int_distribution<int> digits(1, 17);
  for (int i = 0; i < 20000; ++i) {
    // Mostly random values, and every tenth one a value that sits on a rounding edge.
    double value = mantissa(random) * std::pow(10.0, exponent(random));
    if (i % 10 == 0) value = std::round(value * 1e6) / 1e6 + 5e-7;
    if (i % 2 == 1) value = -value;
    const int precision = digits(random);
    char out[64];
    WriteGeneral(value, precision, out, sizeof out);
    ASSERT_EQ(std::string(out), CPrintf("%.*g", precision, value)) << value << " at " << precision;
    if (std::fabs(value) < 1e30) {
      ASSERT_EQ(FormatFixed(value, 6), CPrintf("%.*f", 6, value)) << value;
    }
  }
}

#ifdef VARNHOLT_CHARCONV_BOTH
// The fallback (fast_float and {fmt}) must give the standard calls' text and
// bits, so that a build without the standard ones computes the same results.
TEST(NumberText, FallbackWritesAndReadsTheStandardBits) {
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> exponent(-324, 308);
  std::vector<double> values = {0.0,
                                -0.0,
                                1.5,
                                251e-12,
                                47e3,
                                0.3,
                                1.3314016810396694,
                                5e-324,
                                std::numeric_limits<double>::min(),
                                std::numeric_limits<double>::max(),
                                HUGE_VAL,
                                -HUGE_VAL,
                                std::nan("")};
  for (int i = 0; i < 20000; ++i) {
    double value = mantissa(random) * std::pow(10.0, exponent(random));
    if (i % 10 == 0) value = std::round(value * 1e6) / 1e6 + 5e-7;
    values.push_back(i % 2 ? -value : value);
  }
  char expected[400];
  char actual[400];
  for (const double value : values) {
    for (int precision = 1; precision <= 17; ++precision) {
      for (const bool fixed : {false, true}) {
        if (fixed && precision > 6) break;
        const std::size_t n = WriteDouble(value, precision, fixed, expected, sizeof expected);
        const std::size_t m = charconv_fallback::WriteDouble(value, precision, fixed, actual, sizeof actual);
        ASSERT_EQ(std::string(actual, m), std::string(expected, n)) << value << " at " << precision;
      }
    }
    const std::size_t n = WriteShortestDouble(value, expected, sizeof expected);
    const std::size_t m = charconv_fallback::WriteShortestDouble(value, actual, sizeof actual);
    ASSERT_EQ(std::string(actual, m), std::string(expected, n)) << value;
    // Read back the shortest round trip and a longer, rounded text.
    for (const int precision : {17, 9}) {
      const std::size_t n = WriteDouble(std::fabs(value), precision, false, expected, sizeof expected);
      const std::string_view text(expected, n);
      if (!std::isfinite(value)) continue;
      const double a = ReadUnsignedDecimal(text);
      const double b = charconv_fallback::ReadUnsignedDecimal(text);
      ASSERT_EQ(std::memcmp(&a, &b, sizeof a), 0) << text;
    }
  }
  for (const char* text : {"1e400", "1e-400", "2.4703282292062327e-324", "2.4703282292062328e-324",
                           "179769313486231580793728971405301e276", "0.30000000000000001665",
                           "9007199254740993", "123456789012345678901234567890e-30", "0"}) {
    const double a = ReadUnsignedDecimal(text);
    const double b = charconv_fallback::ReadUnsignedDecimal(text);
    ASSERT_EQ(std::memcmp(&a, &b, sizeof a), 0) << text;
  }
}
#endif

// The German run of the suite only proves something if the C library really
// switched to a decimal comma there.
TEST(NumberText, IgnoresADecimalCommaLocale) {
  const char* lcAll = std::getenv("LC_ALL");
  if (lcAll == nullptr || std::strncmp(lcAll, "de_DE", 5) != 0)
    GTEST_SKIP() << "runs under LC_ALL=de_DE.UTF-8";
  char printed[32];
  std::snprintf(printed, sizeof printed, "%.6f", 1.5);
  ASSERT_STREQ(printed, "1,500000") << "the German locale did not take effect";
  EXPECT_EQ(FormatFixed(1.5, 6), "1.500000");
  double value = 0.0;
  ASSERT_TRUE(ReadDecimal("1.5", value));
  EXPECT_EQ(value, 1.5);
}

}  // namespace
