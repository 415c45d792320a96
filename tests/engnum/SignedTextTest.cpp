#include "engnum/SignedText.h"

#include <gtest/gtest.h>

namespace {

TEST(SignedText, SignAlwaysAndNeverMinusZero) {
  const struct {
    double value;
    int decimals;
    const char* text;
  } rows[] = {{3.149, 2, "+3.15"},  {-1.2, 2, "-1.20"}, {-0.0, 2, "+0.00"}, {-0.001, 2, "+0.00"},
              {-0.006, 2, "-0.01"}, {-0.04, 1, "+0.0"}, {-3, 0, "-3"},      {0.5, 1, "+0.5"}};
  for (const auto& row : rows) EXPECT_EQ(SignedFixed(row.value, row.decimals), row.text) << row.value;
  EXPECT_EQ(SignedDbText(-0.004), "+0.00 dB");
}

}  // namespace
