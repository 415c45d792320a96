#include "circuit/Calculate.h"
#include "circuit/Circuit.h"
#include "engnum/EngValue.h"
#include "loads/ApplyStageSetting.h"
#include "loads/StageSettingTexts.h"
#include "loads/StageSettings.h"
#include "support/FakeCommandView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The cartridge of the worked examples: 500 mH, 1.2 kohm, on a 100 pF cable.
StageSettingsInput Cartridge() {
  StageSettingsInput in;
  in.L = "500m";
  in.RS = "1.2k";
  in.cable = "100p";
  return in;
}

StageSettingsInput Choices() {
  StageSettingsInput in = Cartridge();
  in.cList = "0 47p 100p 150p 220p 330p";
  in.rBase = "47k";
  return in;
}

StageSettingsInput Switches() {
  StageSettingsInput in = Cartridge();
  in.cBase = "47p";
  in.cList = "100p, 200p, 400p";
  in.cMode = ListMode::Switches;
  in.rBase = "47k";
  in.rList = "100k 10k 1k";
  in.rMode = ListMode::Switches;
  return in;
}

std::vector<std::string> Words(const StageSettingsResult& result) {
  std::vector<std::string> words;
  for (const StageSettingRow& row : result.rows) words.push_back(SettingWords(result, row));
  return words;
}

// Each row's figures are what Calculate gives for the fields Apply writes.
void ExpectCalculateAgrees(const StageSettingsInput& in, const StageSettingsResult& result) {
  for (const StageSettingRow& row : result.rows) {
    FakeCommandView view;
    view.SetComponents(in.L, in.RS, "", "");
    ApplyStageSetting(view, row, in.L, in.RS);
    ASSERT_TRUE(view.messages.empty());
    const StageSettingTexts texts = RowTexts(result, row);
    EXPECT_EQ(g_circuit.F, row.F) << texts.setting;
    EXPECT_EQ(g_circuit.Q, row.Q) << texts.setting;
    EXPECT_EQ(view.fields[Field::C], texts.C);
    EXPECT_EQ(view.fields[Field::RL], texts.RL);
    EXPECT_EQ(view.fields[Field::F], texts.F);
    EXPECT_EQ(view.fields[Field::Q], texts.Q);
    EXPECT_EQ(view.writes, (std::vector<Field>{Field::C, Field::RL, Field::F, Field::Q}));
  }
}

struct Ranking {
  const char* name;
  StageSettingsInput input;
  std::vector<std::string> order;  // setting words, best first
};

void PrintTo(const Ranking& r, std::ostream* os) { *os << r.name; }

class Rankings : public testing::TestWithParam<Ranking> {};

TEST_P(Rankings, OrderAndCalculateAgree) {
  const Ranking& r = GetParam();
  const StageSettingsResult result = FindStageSettings(r.input);
  EXPECT_EQ(result.error, "");
  std::vector<std::string> words = Words(result);
  ASSERT_GE(words.size(), r.order.size());
  words.resize(r.order.size());
  EXPECT_EQ(words, r.order);
  ExpectCalculateAgrees(r.input, result);
}

StageSettingsInput WithTarget(StageSettingsInput in, const char* f, const char* q) {
  in.rankBy = RankBy::Target;
  in.targetF = f;
  in.targetQ = q;
  return in;
}

StageSettingsInput WithBand(StageSettingsInput in, const char* edge) {
  in.bandEdge = edge;
  return in;
}

StageSettingsInput ZeroSwitch() {
  StageSettingsInput in = Cartridge();
  in.cList = "0 0";
  in.cMode = ListMode::Switches;
  in.rBase = "47k";
  return in;
}

const Ranking kRankings[] = {
    {"ChoicesFlattest",
     Choices(),
     {"47p, 47k", "0, 47k", "100p, 47k", "150p, 47k", "220p, 47k", "330p, 47k"}},
    {"ChoicesClosestTo15kAndQ1",
     WithTarget(Choices(), "15k", "1"),
     {"150p, 47k", "100p, 47k", "220p, 47k", "47p, 47k", "330p, 47k", "0, 47k"}},
    // Up to 5 kHz the least capacitance stays nearest 0 dB; by 20 kHz its fall costs more than 47p's.
    {"ChoicesFlattestTo5k", WithBand(Choices(), "5k"), {"0, 47k", "47p, 47k", "100p, 47k"}},
    {"SwitchesFlattest",
     Switches(),
     {"47p, 47k", "47p + 100p, 47k", "47p, 47k \xE2\x88\xA5 100k", "47p + 100p, 47k \xE2\x88\xA5 100k"}},
    // Equal curves: fewer switches on first, then the order of the list.
    {"TiesFewerSwitchesFirst", ZeroSwitch(), {"0, 47k", "0, 47k", "0, 47k", "0 + 0, 47k"}},
};

INSTANTIATE_TEST_SUITE_P(, Rankings, testing::ValuesIn(kRankings),
                         [](const testing::TestParamInfo<Ranking>& info) { return info.param.name; });

TEST(StageSettings, SwitchesGiveEveryCombinationBestFirst) {
  const StageSettingsResult result = FindStageSettings(Switches());
  ASSERT_EQ(result.rows.size(), 64u);
  const StageSettingRow& best = result.rows.front();
  const StageSettingTexts texts = RowTexts(result, best);
  EXPECT_EQ(texts.C, "147p");
  EXPECT_EQ(texts.RL, "47k");
  EXPECT_EQ(texts.F, "18.7997k");
  EXPECT_EQ(texts.Q, "0.802794");
  EXPECT_EQ(texts.peak, "+0.22 dB at 8.90117k");
  EXPECT_EQ(texts.deviation, "-2.49 dB");
  EXPECT_EQ(texts.levelAt20k, "-2.49 dB");
  EXPECT_EQ(texts.distance, "");
  EXPECT_EQ(best.switchesOn, 0);
  const std::vector<std::string> words = Words(result);
  const std::string all = "47p + 100p + 200p + 400p, 47k \xE2\x88\xA5 100k \xE2\x88\xA5 10k \xE2\x88\xA5 1k";
  EXPECT_NE(std::find(words.begin(), words.end(), all), words.end());
}

TEST(StageSettings, ResistanceSwitchesWithoutBaseLeaveOutTheOpenStage) {
  StageSettingsInput in = Switches();
  in.rBase = "";
  const StageSettingsResult result = FindStageSettings(in);
  EXPECT_EQ(result.rows.size(), 8u * 7u);
  for (const StageSettingRow& row : result.rows) EXPECT_GT(row.RL, 0.0);
}

TEST(StageSettings, ZeroCapacitanceIsLeftOut) {
  StageSettingsInput in = Choices();
  in.cable = "";
  const StageSettingsResult result = FindStageSettings(in);
  EXPECT_EQ(result.rows.size(), 5u);
}

struct CountCase {
  const char* name;
  std::size_t cSwitches;
  const char* rList;
  std::size_t rows;
  const char* error;
};

class Counts : public testing::TestWithParam<CountCase> {};

TEST_P(Counts, AtMost65536Combinations) {
  const CountCase& c = GetParam();
  StageSettingsInput in = Cartridge();
  in.cMode = ListMode::Switches;
  for (std::size_t i = 0; i < c.cSwitches; ++i) in.cList += "1p ";
  in.rBase = "47k";
  in.rList = c.rList;
  const StageSettingsResult result = FindStageSettings(in);
  EXPECT_EQ(result.rows.size(), c.rows);
  EXPECT_EQ(result.error, c.error);
  EXPECT_EQ(result.input, StageInput::None);
}

const CountCase kCounts[] = {
    {"Exactly65536", 16, "", 65536, ""},
    {"OneMoreList", 16, "1k 2k", 0, "There would be 131,072 combinations; at most 65,536 can be ranked"},
    {"HundredSwitches", 100, "", 0,
     "There would be 1,267,650,600,228,229,401,496,703,205,376 combinations; at most 65,536 can be ranked"},
};

INSTANTIATE_TEST_SUITE_P(, Counts, testing::ValuesIn(kCounts),
                         [](const testing::TestParamInfo<CountCase>& info) { return info.param.name; });

// Equal keys go by fewer switches on, then the higher RL, then the smaller C.
TEST(StageSettings, TiesGoByFewerSwitchesHigherRLSmallerC) {
  const auto row = [](double dev, int switches, double rl, double c) {
    StageSettingRow r{};
    r.deviationDb = dev;
    r.switchesOn = switches;
    r.RL = rl;
    r.C = c;
    return r;
  };
  const StageSettingRow falling = row(-0.5, 3, 1e3, 300e-12);
  EXPECT_TRUE(RanksBefore(falling, row(1.0, 0, 47e3, 100e-12), RankBy::Flatness));
  EXPECT_FALSE(RanksBefore(row(-1.0, 0, 47e3, 1e-10), row(0.5, 0, 47e3, 1e-10), RankBy::Flatness));
  EXPECT_TRUE(RanksBefore(row(1.0, 1, 1e3, 3e-10), row(1.0, 2, 47e3, 1e-10), RankBy::Flatness));
  EXPECT_TRUE(RanksBefore(row(1.0, 1, 47e3, 3e-10), row(1.0, 1, 10e3, 1e-10), RankBy::Flatness));
  EXPECT_TRUE(RanksBefore(row(1.0, 1, 47e3, 1e-10), row(1.0, 1, 47e3, 3e-10), RankBy::Flatness));
  EXPECT_FALSE(RanksBefore(row(1.0, 1, 47e3, 1e-10), row(1.0, 1, 47e3, 1e-10), RankBy::Flatness));
}

TEST(ApplyStageSetting, WritesLAndRSOnlyWhenTheyDiffer) {
  const StageSettingsResult result = FindStageSettings(Choices());
  ASSERT_FALSE(result.rows.empty());
  FakeCommandView view;
  view.SetComponents("500m", "1k", "1n", "10k");
  ApplyStageSetting(view, result.rows.front(), "500m", "1.2k");
  EXPECT_EQ(view.writes, (std::vector<Field>{Field::RS, Field::C, Field::RL, Field::F, Field::Q}));
  EXPECT_EQ(view.fields[Field::RS], "1.2k");
  EXPECT_EQ(view.fields[Field::C], "147p");
  EXPECT_EQ(view.fields[Field::RL], "47k");
  ASSERT_EQ(view.curves.size(), 1u);
  EXPECT_TRUE(view.curves[0].current);
  EXPECT_EQ(view.curves[0].F, result.rows.front().F);
}

}  // namespace
