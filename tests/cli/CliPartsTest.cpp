#include "Report.h"
#include "ValueArgument.h"
#include "engnum/EngValue.h"
#include "presets/PresetLocation.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>

namespace {

TEST(CsvField, QuotesOnlyWhatNeedsIt) {
  const struct {
    const char* in;
    const char* out;
  } rows[] = {{"plain", "plain"},
              {"a,b", "\"a,b\""},
              {"say \"hi\"", "\"say \"\"hi\"\"\""},
              {"\"", "\"\"\"\""},
              {"line\nbreak", "\"line\nbreak\""},
              {"cr\r", "\"cr\r\""},
              {"tab\t", "\"tab\t\""},
              {"", ""},
              {"it's", "it's"}};
  for (const auto& row : rows) EXPECT_EQ(CsvField(row.in), row.out) << row.in;
}

TEST(ShortestDecimal, ReadsBackToTheSameDouble) {
  EXPECT_EQ(ShortestDecimal(0.3), "0.3");
  EXPECT_EQ(ShortestDecimal(251e-12), "2.51e-10");
  EXPECT_EQ(ShortestDecimal(47000.0), "47000");
  EXPECT_EQ(ShortestDecimal(-0.5), "-0.5");
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> exponent(-300.0, 300.0);
  for (int i = 0; i < 10000; ++i) {
    const double value = std::pow(10.0, exponent(random));
    const std::string text = ShortestDecimal(value);
    double back = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), back);
    ASSERT_EQ(back, value) << text;
  }
}

TEST(ArgumentToFieldBytes, MicroSignsBecomeTheFieldsByte) {
  EXPECT_EQ(ArgumentToFieldBytes("12\xC2\xB5"), "12\xB5");     // micro sign
  EXPECT_EQ(ArgumentToFieldBytes("12\xCE\xBC"), "12\xB5");     // Greek small mu
  EXPECT_EQ(ArgumentToFieldBytes("47k\xE2\x84\xA6"), "47k?");  // ohm sign: no field byte
  EXPECT_EQ(ArgumentToFieldBytes("12\xB5"), "12\xB5");         // already 8-bit
  EXPECT_EQ(ParseEngValue(ArgumentToFieldBytes("12\xCE\xBC").c_str()), ParseEngValue("12u"));
}

TEST(CheckValue, ReadsAsTheWindowAndNamesTheOption) {
  EXPECT_EQ(CheckValue("--L", "300m", true), 0.3);
  EXPECT_EQ(CheckValue("--RL", "0", false), 0.0);
  // Only the 30 characters a field command reads count.
  EXPECT_EQ(CheckValue("--L", std::string(29, '0') + "1k", true), 1.0);
  try {
    CheckValue("--RS", "ohm", true);
    FAIL();
  } catch (const UsageError& e) {
    EXPECT_STREQ(e.what(), "cannot read \"ohm\" for --RS");
  }
  EXPECT_THROW(CheckValue("--C", "-1p", true), UsageError);
  EXPECT_THROW(CheckValue("--C", "", false), UsageError);
  EXPECT_THROW(CheckValue("--C", " 1p", false), UsageError);  // the window reads 0 there
}

TEST(PresetFilePaths, WorkingFolderThenTheUsersConfigFolder) {
  using Paths = std::vector<std::string>;
  EXPECT_EQ(PresetFilePaths("/cfg", "/home/u"), (Paths{"varnholt.txt", "/cfg/varnholt/varnholt.txt"}));
  EXPECT_EQ(PresetFilePaths(nullptr, "/home/u"),
            (Paths{"varnholt.txt", "/home/u/.config/varnholt/varnholt.txt"}));
  EXPECT_EQ(PresetFilePaths("relative", "/home/u"),
            (Paths{"varnholt.txt", "/home/u/.config/varnholt/varnholt.txt"}));
  EXPECT_EQ(PresetFilePaths(nullptr, nullptr), (Paths{"varnholt.txt"}));
}

}  // namespace
