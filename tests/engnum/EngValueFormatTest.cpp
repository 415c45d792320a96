#include "engnum/EngValue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

struct FormatRow {
  const char* name;
  double value;
  int precision;
  std::string expected;
};

void PrintTo(const FormatRow& row, std::ostream* os) { *os << row.name; }

class FormatTable : public testing::TestWithParam<FormatRow> {};

TEST_P(FormatTable, WritesExactly) {
  const FormatRow& row = GetParam();
  char out[kEngTextSize];
  std::memset(out, '#', sizeof out);
  EXPECT_EQ(FormatEngValue(row.value, row.precision, out), out);
  EXPECT_EQ(std::string(out), row.expected);
}

const std::string kMicro(1, kMicroSign);
const double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Precision6, FormatTable,
    testing::Values(FormatRow{"zero", 0.0, 6, "0"}, FormatRow{"negative_zero", -0.0, 6, "0"},
                    FormatRow{"not_a_number", kNaN, 6, "0"}, FormatRow{"negative_nan", -kNaN, 6, "0"},
                    FormatRow{"one", 1, 6, "1"}, FormatRow{"plain", 740, 6, "740"},
                    FormatRow{"just_below_window_top", 999.99, 6, "999.99"},
                    FormatRow{"above_window_top", 999.996, 6, "0.999996k"},
                    FormatRow{"rounds_to_1000", 999.9999, 6, "1k"}, FormatRow{"kilo", 1000, 6, "1k"},
                    FormatRow{"forty_seven_k", 47000, 6, "47k"}, FormatRow{"negative_k", -47000, 6, "-47k"},
                    FormatRow{"default_F", 18484.807061630512, 6, "18.4848k"},
                    FormatRow{"milli", 0.3, 6, "300m"},
                    FormatRow{"below_window_bottom", 0.999994, 6, "999.994m"},
                    FormatRow{"micro", 0.000251, 6, "251" + kMicro}, FormatRow{"pico", 251e-12, 6, "251p"},
                    FormatRow{"negative_micro", -4.7e-6, 6, "-4.7" + kMicro},
                    FormatRow{"yotta", 1e24, 6, "1Y"}, FormatRow{"beyond_yotta", 1e27, 6, "1e+27"},
                    FormatRow{"far_beyond", 1e30, 6, "1e+30"},
                    FormatRow{"far_beyond_negative", -1e30, 6, "-1e+30"}, FormatRow{"yocto", 1e-24, 6, "1y"},
                    FormatRow{"below_yocto", 1e-30, 6, "1e-30"}, FormatRow{"infinite", HUGE_VAL, 6, "inf"},
                    FormatRow{"negative_infinite", -HUGE_VAL, 6, "-inf"},
                    FormatRow{"longest_text", -1.23456e-300, 6, "-1.23456e-300"}),
    [](const testing::TestParamInfo<FormatRow>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Precision4, FormatTable,
    testing::Values(FormatRow{"ten", 10, 4, "10"}, FormatRow{"hundred", 100, 4, "100"},
                    FormatRow{"kilo", 1000, 4, "1k"}, FormatRow{"ten_k", 10000, 4, "10k"},
                    FormatRow{"hundred_k", 100000, 4, "100k"}, FormatRow{"rounds_up", 999.99, 4, "1k"},
                    FormatRow{"half", 0.5, 4, "500m"}),
    [](const testing::TestParamInfo<FormatRow>& info) { return std::string(info.param.name); });

TEST(FormatEngValue, NeverWritesPastASmallBuffer) {
  // Guard bytes after a short buffer stay untouched and the text is terminated.
  for (std::size_t size : {1u, 2u, 4u, 7u}) {
    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    FormatEngValue(-1.23456e-300, 6, buffer, size);
    EXPECT_EQ(std::strlen(buffer), size - 1) << size;
    for (std::size_t i = size; i < sizeof buffer; ++i) EXPECT_EQ(buffer[i], '#') << size << " at " << i;
  }
  char unused = '#';
  EXPECT_EQ(FormatEngValue(1.0, 6, &unused, 0), &unused);
  EXPECT_EQ(unused, '#');
}

// Relative difference between a value and its six-digit text read back.
double RoundTripError(double value) {
  char text[kEngTextSize];
  FormatEngValue(value, 6, text);
  const double back = ParseEngValue(text);
  return std::fabs(back - value) / std::fabs(value);
}

TEST(FormatEngValue, RoundTripKeepsSixSignificantDigits) {
  std::mt19937_64 random(20261208);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> exponent(-40, 40);
  for (int i = 0; i < 20000; ++i) {
    const double sign = (i % 2 == 0) ? 1.0 : -1.0;
    const double value = sign * mantissa(random) * std::pow(10.0, exponent(random));
    ASSERT_LE(RoundTripError(value), 5e-6) << value;
  }
}

TEST(FormatEngValue, MicroSignIsReadBack) {
  for (double value : {1e-6, 4.7e-6, 0.000251, -999.99e-6, 123.456e-6}) {
    char text[kEngTextSize];
    FormatEngValue(value, 6, text);
    EXPECT_NE(std::strchr(text, kMicroSign), nullptr) << text;
    EXPECT_DOUBLE_EQ(ParseEngValue(text), value) << text;
  }
}

TEST(FormatEngValue, StringOverloadMatches) {
  EXPECT_EQ(FormatEngValue(251e-12, 6), "251p");
  EXPECT_EQ(FormatEngValue(999.99, 4), "1k");
}

}  // namespace
