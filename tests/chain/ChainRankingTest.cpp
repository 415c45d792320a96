#include "chain/ChainResponse.h"
#include "loads/StageSettings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

StageSettingsInput MovingCoilStage() {
  StageSettingsInput in;
  in.L = "40u";
  in.RS = "18";
  in.cable = "100p";
  in.cList = "0 220p";
  in.rBase = "47k";
  in.taps = "1:5 10";
  in.rsecList = "7.5k 15k";
  in.C1 = "100p";
  in.Rp = "2";
  in.Rs2 = "20";
  return in;
}

// Every tap with every secondary resistor (none included) and every stage
// setting, each with the chain's own figures.
TEST(ChainRanking, EnumeratesTheChain) {
  const StageSettingsResult result = FindStageSettings(MovingCoilStage());
  ASSERT_EQ(result.error, "");
  EXPECT_EQ(result.rows.size(), 2u * 3u * 2u);
  EXPECT_EQ(result.tapWords, (std::vector<std::string>{"1:5", "1:10"}));
  EXPECT_EQ(result.rsecWords, (std::vector<std::string>{"none", "7.5k", "15k"}));
  const double ratios[] = {5, 10}, rsec[] = {0, 7.5e3, 15e3};
  for (const StageSettingRow& row : result.rows) {
    const ChainValues chain{
        40e-6, 18, 100e-12, 2, ratios[row.tapSetting], 20, row.C, row.RL, rsec[row.rsecSetting]};
    const CurveFigures want = ChainCurveFigures(chain, 20e3);
    EXPECT_EQ(row.deviationDb, want.deviationDb);
    EXPECT_EQ(row.levelAt20k, want.levelAt20kDb);
    EXPECT_EQ(*row.loadSeen, 2 + (20 + SecondaryLoad(chain)) / (chain.N * chain.N));
    EXPECT_TRUE(std::isnan(row.F) && std::isnan(row.Q));
  }
  for (std::size_t i = 1; i < result.rows.size(); ++i)
    EXPECT_LE(std::fabs(*result.rows[i - 1].deviationDb), std::fabs(*result.rows[i].deviationDb));
}

TEST(ChainRanking, ByLoadSeen) {
  StageSettingsInput in = MovingCoilStage();
  in.taps = "8";
  in.Rp = in.Rs2 = "";
  in.rsecList = "6.8k, 7.5k, 10k";
  in.rankBy = RankBy::Load;
  in.targetLoad = "100";
  const StageSettingsResult result = FindStageSettings(in);
  ASSERT_EQ(result.error, "");
  EXPECT_EQ(SettingWords(result, result.rows.front()), "0, 47k, 1:8, Rsec 7.5k");
  EXPECT_NEAR(*result.rows.front().distance, std::log(101.061 / 100.0), 1e-5);
}

TEST(ChainRanking, Refusals) {
  const struct {
    void (*change)(StageSettingsInput&);
    StageInput input;
    const char* error;
  } table[] = {
      {[](StageSettingsInput& in) { in.taps = "1:0"; }, StageInput::Taps, "\"0\" in taps must be above zero"},
      {[](StageSettingsInput& in) { in.taps = "1:5 2:10"; }, StageInput::Taps,
       "Cannot read \"2:10\" in taps"},
      {[](StageSettingsInput& in) { in.rsecList = "1k -2k"; }, StageInput::RsecList,
       "\"-2k\" in Rsec must be above zero"},
      {[](StageSettingsInput& in) { in.Rp = "-1"; }, StageInput::Rp, "\"-1\" in Rp must not be below zero"},
      {[](StageSettingsInput& in) { in.taps = ""; }, StageInput::Taps,
       "A resistor across the secondary needs"},
      {[](StageSettingsInput& in) {
         in.taps = "";
         in.rsecList = "";
         in.rankBy = RankBy::Load;
         in.targetLoad = "100";
       },
       StageInput::Taps, "Ranking by the load seen needs"},
      {[](StageSettingsInput& in) {
         in.rsecList = "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15";
         in.rsecMode = ListMode::Switches;
       },
       StageInput::None, "There would be 131,072 combinations"},
  };
  for (const auto& row : table) {
    StageSettingsInput in = MovingCoilStage();
    row.change(in);
    const StageSettingsResult result = FindStageSettings(in);
    EXPECT_EQ(result.input, row.input) << row.error;
    EXPECT_EQ(result.error.substr(0, std::string(row.error).size()), row.error);
    EXPECT_TRUE(result.rows.empty());
  }
}

}  // namespace
