#include "loads/StageSettingTexts.h"
#include "loads/StageSettings.h"
#include "loads/StageSettingsFile.h"
#include "loads/ValueList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

StageSettingsInput Usable() {
  StageSettingsInput in;
  in.L = "500m";
  in.RS = "1.2k";
  in.cable = "100p";
  in.cList = "0 47p 100p";
  in.rBase = "47k";
  return in;
}

struct BadInput {
  const char* name;
  void (*change)(StageSettingsInput&);
  StageInput input;
  const char* error;
};

void PrintTo(const BadInput& b, std::ostream* os) { *os << b.name; }

class BadInputs : public testing::TestWithParam<BadInput> {};

TEST_P(BadInputs, NamedAndNoRows) {
  StageSettingsInput in = Usable();
  GetParam().change(in);
  const StageSettingsResult result = FindStageSettings(in);
  EXPECT_EQ(result.error, GetParam().error);
  EXPECT_EQ(result.input, GetParam().input);
  EXPECT_TRUE(result.rows.empty());
}

const BadInput kBadInputs[] = {
    {"UnreadableListEntry", [](StageSettingsInput& in) { in.cList = "47p 22x0p"; }, StageInput::CList,
     "Cannot read \"22x0p\" in stage capacitance"},
    {"ExponentIsNoEntry", [](StageSettingsInput& in) { in.cList = "1e3p"; }, StageInput::CList,
     "Cannot read \"1e3p\" in stage capacitance"},
    {"NegativeCapacitance", [](StageSettingsInput& in) { in.cable = "-10p"; }, StageInput::Cable,
     "\"-10p\" in cable must not be below zero"},
    {"ZeroResistanceSwitch", [](StageSettingsInput& in) { in.rList = "1k,0"; }, StageInput::RList,
     "\"0\" in stage resistance must be above zero"},
    {"ZeroResistanceBase", [](StageSettingsInput& in) { in.rBase = " 0 "; }, StageInput::RBase,
     "\"0\" in resistance base must be above zero"},
    {"TwoValuesInABase", [](StageSettingsInput& in) { in.cBase = "47p 100p"; }, StageInput::CBase,
     "Cannot read \"47p 100p\" in capacitance base"},
    {"MicroSignShownInUtf8", [](StageSettingsInput& in) { in.cList = "1\xB5x"; }, StageInput::CList,
     "Cannot read \"1\xC2\xB5x\" in stage capacitance"},
    {"LongEntryCut", [](StageSettingsInput& in) { in.cList = std::string(40, '7') + "x"; }, StageInput::CList,
     "Cannot read \"777777777777777777777777777777\xE2\x80\xA6\" in stage capacitance"},
    {"EmptyL", [](StageSettingsInput& in) { in.L = ""; }, StageInput::L, "L is empty"},
    {"ZeroRS", [](StageSettingsInput& in) { in.RS = "0"; }, StageInput::RS, "\"0\" in RS must be above zero"},
    {"UnreadableRS", [](StageSettingsInput& in) { in.RS = "abc"; }, StageInput::RS,
     "Cannot read \"abc\" in RS"},
    {"LWithATail", [](StageSettingsInput& in) { in.L = "300mjunk"; }, StageInput::L,
     "Cannot read \"300mjunk\" in L"},
    {"LTwoValues", [](StageSettingsInput& in) { in.L = "300m 5"; }, StageInput::L,
     "Cannot read \"300m 5\" in L"},
    {"RSUnknownPrefix", [](StageSettingsInput& in) { in.RS = "0.3x"; }, StageInput::RS,
     "Cannot read \"0.3x\" in RS"},
    {"RSNegativeAfterSpace", [](StageSettingsInput& in) { in.RS = " -740"; }, StageInput::RS,
     "\"-740\" in RS must be above zero"},
    {"BandEdgeAtBandStart", [](StageSettingsInput& in) { in.bandEdge = "20"; }, StageInput::BandEdge,
     "\"20\" in band edge must be above 20 Hz"},
    {"TargetQMissing",
     [](StageSettingsInput& in) {
       in.rankBy = RankBy::Target;
       in.targetF = "15k";
     },
     StageInput::TargetQ, "Q wanted is empty"},
    // The window's RL, read as its field: a text that reads as infinity is no resistance.
    {"WindowRLInfinite",
     [](StageSettingsInput& in) {
       in.rBase = "";
       in.RL = "362e03134";
     },
     StageInput::RL, "Cannot read \"362e03134\" in the window's RL"},
    {"NoResistanceAnywhere", [](StageSettingsInput& in) { in.rBase = ""; }, StageInput::RBase,
     "Every setting leaves the stage without a resistance"},
    // The first fault in reading order is named.
    {"FirstFaultNamed",
     [](StageSettingsInput& in) {
       in.cList = "x";
       in.rList = "y";
     },
     StageInput::CList, "Cannot read \"x\" in stage capacitance"},
};

INSTANTIATE_TEST_SUITE_P(, BadInputs, testing::ValuesIn(kBadInputs),
                         [](const testing::TestParamInfo<BadInput>& info) { return info.param.name; });

TEST(StageSettingsInput, TargetsAreNotReadWhenRankingByFlatness) {
  StageSettingsInput in = Usable();
  in.targetF = "junk";
  const StageSettingsResult result = FindStageSettings(in);
  EXPECT_EQ(result.error, "");
  EXPECT_EQ(result.rows.size(), 3u);
}

// L and RS are read as every finder input: spaces around the value are no fault
// ("500 mH" is: see the bad inputs).
TEST(StageSettingsInput, LAndRSAreReadAsEveryInput) {
  StageSettingsInput in = Usable();
  in.L = " 500m ";
  in.RS = "1.2k\t";
  const StageSettingsResult result = FindStageSettings(in);
  EXPECT_EQ(result.error, "");
  EXPECT_EQ(result.rows.size(), FindStageSettings(Usable()).rows.size());
}

// No base resistance is none: a list's values stand alone, and with no list
// the window's RL is the one resistance.
TEST(StageSettingsInput, ResistancesWithoutABase) {
  const struct {
    const char* rList;
    const char* RL;
    std::vector<double> rows;  // RL of each row, in input order
    const char* error;
  } rows[] = {{"47k 100k", "22k", {47e3, 100e3}, ""},
              {"", "22k", {22e3}, ""},
              {"", "22 k", {22.0}, ""},  // read as Calculate reads the field
              {"", "", {}, "Every setting leaves the stage without a resistance"},
              {"", "0", {}, "\"0\" in the window's RL must be above zero"}};
  for (const auto& row : rows) {
    StageSettingsInput in = Usable();
    in.cList = "100p";
    in.rBase = "";
    in.rList = row.rList;
    in.RL = row.RL;
    const StageSettingsResult result = FindStageSettings(in);
    EXPECT_EQ(result.error, row.error) << row.RL;
    std::vector<double> RLs;
    for (const auto& r : result.rows) RLs.push_back(r.RL);
    std::sort(RLs.begin(), RLs.end());
    EXPECT_EQ(RLs, row.rows) << row.rList << " / " << row.RL;
  }
}

TEST(StageSettingsInput, WordsAreUtf8) {
  StageSettingsInput in = Usable();
  in.cList = "0.001\xB5";
  in.rBase = "47k";
  in.rList = "1k";
  in.rMode = ListMode::Switches;
  const StageSettingsResult result = FindStageSettings(in);
  ASSERT_EQ(result.rows.size(), 2u);
  EXPECT_EQ(SettingWords(result, result.rows[1]), "0.001\xC2\xB5, 47k \xE2\x88\xA5 1k");
  // A legend is 8-bit: the micro sign one byte, the parallel sign "||".
  EXPECT_EQ(SettingLegendName(result, result.rows[1]), "0.001\xB5, 47k || 1k");
}

// The window's F and Q become wanted values only when they are values above zero.
TEST(StageSettingsInput, UsableWantedValues) {
  const std::pair<const char*, bool> rows[] = {{"18.4848k", true}, {" 1.33 ", true}, {"", false},
                                               {"abc", false},     {"-1", false},    {"0", false},
                                               {"20k x", false}};
  for (const auto& [text, usable] : rows) EXPECT_EQ(IsUsableWanted(text), usable) << text;
}

TEST(StageSettingsInput, LevelTexts) {
  EXPECT_EQ(LevelText(2.866), "+2.87 dB");
  EXPECT_EQ(LevelText(-0.004), "+0.00 dB");
  EXPECT_EQ(LevelText(-1.5), "-1.50 dB");
  EXPECT_EQ(LevelText(std::nullopt), "none");
}

}  // namespace

namespace {

// Every input comes back from the file's text as it was, the micro sign as
// UTF-8 in the file; the file lives in the configuration folder or nowhere.
TEST(StageSettingsFile, KeepsEveryInputThroughItsText) {
  StageSettingsInput in = Usable();
  in.cable = "1\xB5";
  in.rList = "100k, 10k";
  in.rMode = ListMode::Switches;
  in.rankBy = RankBy::Target;
  in.targetF = "15k";
  in.targetQ = "0.7";
  const std::string text = StageSettingsFileText(in);
  EXPECT_NE(text.find("cable=1\xC2\xB5\n"), std::string::npos);
  StageSettingsInput back;
  ReadStageSettingsFileText(text, back);
  EXPECT_EQ(StageSettingsFileText(back), text);
  EXPECT_EQ(back.cList, in.cList);
  EXPECT_EQ(back.rMode, ListMode::Switches);
  EXPECT_EQ(StageSettingsFilePath(""), "");
#ifndef _WIN32
  EXPECT_EQ(StageSettingsFilePath("/home/u/.config"), "/home/u/.config/varnholt/stage-settings.txt");
#endif
}

}  // namespace
