#include "presets/NameOrder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

TEST(SortedNameList, SortsWithoutRegardToCaseAndKeepsEqualsInArrivalOrder) {
  SortedNameList list;
  list.AddNames({"beta", "Gamma", "alpha"});
  list.AddNames({"ALPHA", "", "delta", "Beta "});
  EXPECT_EQ(list.names(), (Names{"", "alpha", "ALPHA", "beta", "Beta ", "delta", "Gamma"}));
}

TEST(SortedNameList, BatchOfManyNamesMatchesOneByOneInsertion) {
  SortedNameList batched, single;
  Names all;
  for (int i = 0; i < 500; ++i) all.push_back((i % 2 ? "N" : "n") + std::to_string((i * 7919) % 500));
  batched.AddNames(all);
  for (const auto& name : all) single.AddNames({name});
  EXPECT_EQ(batched.names(), single.names());
  EXPECT_TRUE(std::is_sorted(batched.names().begin(), batched.names().end(), NameLessNoCase));
}

struct DisplayCase {
  const char* label;
  std::string bytes;
  std::string utf8;
};

class NameDisplay : public testing::TestWithParam<DisplayCase> {};

TEST_P(NameDisplay, IsUtf8WhenValidElseWindows1252) {
  EXPECT_EQ(NameToDisplayUtf8(GetParam().bytes), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NameDisplay,
    testing::Values(DisplayCase{"Ascii", "Example MM", "Example MM"},
                    DisplayCase{"ValidUtf8", "Kr\xC3\xB6te \xE2\x82\xAC", "Kr\xC3\xB6te \xE2\x82\xAC"},
                    DisplayCase{"Latin1Umlaut", "Kr\xF6te", "Kr\xC3\xB6te"},
                    DisplayCase{"EuroAndQuotes", "\x80\x93\x94", "\xE2\x82\xAC\xE2\x80\x9C\xE2\x80\x9D"},
                    DisplayCase{"UnassignedByte", "\x81", "\xC2\x81"},
                    DisplayCase{"MicroSign",
                                "\xB5"
                                "F",
                                "\xC2\xB5"
                                "F"},
                    DisplayCase{"TruncatedSequence", "a\xC3", "a\xC3\x83"},
                    DisplayCase{"OverlongSlash", "\xC0\xAF", "\xC3\x80\xC2\xAF"},
                    DisplayCase{"Surrogate", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"}),
    [](const testing::TestParamInfo<DisplayCase>& info) { return std::string(info.param.label); });

}  // namespace
