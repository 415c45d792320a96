#include "engnum/EngValue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

struct ParseRow {
  const char* name;
  std::string text;
  double expected;
};

void PrintTo(const ParseRow& row, std::ostream* os) { *os << row.name; }

class ParseTable : public testing::TestWithParam<ParseRow> {};

TEST_P(ParseTable, ReadsExactly) {
  const ParseRow& row = GetParam();
  const double value = ParseEngValue(row.text.c_str());
  EXPECT_EQ(value, row.expected) << "text \"" << row.text << "\"";
}

const std::string kMicro(1, kMicroSign);

INSTANTIATE_TEST_SUITE_P(
    Values, ParseTable,
    testing::Values(
        ParseRow{"kilo", "47k", 47000}, ParseRow{"milli", "300m", 0.3}, ParseRow{"pico", "251p", 2.51e-10},
        ParseRow{"plain", "740", 740}, ParseRow{"one_k", "1k", 1000},
        ParseRow{"space_is_the_prefix", "1 k", 1}, ParseRow{"space_before_unit", "47 kOhm", 47},
        ParseRow{"unit_after_prefix", "47kOhm", 47000}, ParseRow{"lower_e_exponent", "1e3", 1000},
        ParseRow{"upper_E_is_exa", "1E3", 1e18}, ParseRow{"upper_E_negative_is_exa", "1E-3", 1e18},
        ParseRow{"negative_micro", "-4.7u", -4.7e-6}, ParseRow{"micro_sign", "2.2" + kMicro, 2.2e-6},
        ParseRow{"letters_only", "abc", 0}, ParseRow{"empty", "", 0}, ParseRow{"two_points", "1.5.3", 1.5},
        ParseRow{"lone_k", "k", 0}, ParseRow{"leading_space", " 47k", 0},
        ParseRow{"junk_before", "x12k", 12000}, ParseRow{"upper_K_is_no_prefix", "1K", 1},
        ParseRow{"meg_is_milli", "1meg", 0.001}, ParseRow{"Meg_is_mega", "1Meg", 1e6},
        ParseRow{"own_exponent_wins", "1e3k", 1000}, ParseRow{"leading_point", ".5k", 500},
        ParseRow{"sign_then_prefix", "-k", 0}, ParseRow{"hex_is_not_read", "0x1A", 0},
        // Beyond the table: the edges of the number syntax.
        ParseRow{"plus_sign", "+2.5k", 2500}, ParseRow{"bare_e", "1e", 1},
        ParseRow{"bare_e_then_k", "1ek", 1}, ParseRow{"e_sign_no_digits", "1e-", 1},
        ParseRow{"trailing_point", "5.", 5}, ParseRow{"point_alone", ".", 0}, ParseRow{"yocto", "1y", 1e-24},
        ParseRow{"yotta", "1Y", 1e24}, ParseRow{"tab_stops_the_number", "12\t5", 12},
        ParseRow{"inf_is_not_read", "inf", 0}, ParseRow{"nan_is_not_read", "nan", 0},
        ParseRow{"comma_is_not_a_point", "1,5", 1}, ParseRow{"d_starts_but_is_no_number", "d5", 0},
        ParseRow{"own_negative_exponent_wins", "2e-3f", 2e-3}, ParseRow{"negative_zero", "-0", 0}),
    [](const testing::TestParamInfo<ParseRow>& info) { return std::string(info.param.name); });

TEST(ParseEngValue, LooksAtTheFirst31CharactersOnly) {
  // 31 digits are read whole; a 32nd character, even a prefix, is never seen.
  const std::string digits31(31, '1');
  EXPECT_EQ(ParseEngValue((digits31 + "k").c_str()), ParseEngValue(digits31.c_str()));
  const std::string padded = std::string(30, '0') + "5" + "k";
  EXPECT_EQ(ParseEngValue(padded.c_str()), 5.0);
  const std::string prefixAt31 = std::string(30, '0') + "k";
  EXPECT_EQ(ParseEngValue(prefixAt31.c_str()), 0.0);
  const std::string late = std::string(40, 'x') + "47k";
  EXPECT_EQ(ParseEngValue(late.c_str()), 0.0);
}

TEST(ParseEngValue, LongestComposedTextFits) {
  // 30 digits and a yocto prefix compose 30 + "e-24": the whole text must count.
  const std::string text = "1" + std::string(29, '0') + "y";
  EXPECT_DOUBLE_EQ(ParseEngValue(text.c_str()), 1e5);
  const std::string longest = std::string(30, '9') + "y";
  EXPECT_DOUBLE_EQ(ParseEngValue(longest.c_str()), 1e6);
}

TEST(ParseEngValue, ValuesBeyondTheRangeOfADouble) {
  EXPECT_EQ(ParseEngValue("1e999"), HUGE_VAL);
  EXPECT_EQ(ParseEngValue("-1e999"), -HUGE_VAL);
  EXPECT_EQ(ParseEngValue("1e308k"), 1e308);  // the appended exponent is not read
  EXPECT_EQ(ParseEngValue("1e-999"), 0.0);
  EXPECT_EQ(ParseEngValue("0e999"), 0.0);
  EXPECT_EQ(ParseEngValue("99999999999999999999e-345"), 0.0);
}

TEST(ParseEngValue, NullAndHighBytes) {
  EXPECT_EQ(ParseEngValue(nullptr), 0.0);
  EXPECT_EQ(ParseEngValue("\xff\xfe\x80"), 0.0);
  EXPECT_DOUBLE_EQ(ParseEngValue("\xc2\xb5"), 0.0);  // a lone micro sign has no digits
}

}  // namespace
