// End-to-end runs of varnholt-calc chain, and of response and plot with a transformer.
#include "RunCalc.h"
#include "chain/ChainFigures.h"
#include "loads/StageSettings.h"
#include "plot/WindowPlot.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace {

using Args = std::vector<std::string>;
using nlohmann::json;

const Args kMovingCoil = {"--L",  "40u",  "--RS", "18",   "--ratio", "1:10",
                          "--C1", "100p", "--C",  "100p", "--RL",    "47k"};

Args With(Args args, const Args& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

TEST(ChainProgram, FiguresAreTheCores) {
  const CalcRun run =
      RunCalc(With({"chain", "--format", "json", "--rated", "0.4", "--Rp", "2", "--Rs2", "20"}, kMovingCoil));
  ASSERT_EQ(run.status, 0) << run.err;
  const json got = json::parse(run.out);
  const std::vector<std::string> keys = {"C",
                                         "C1",
                                         "L",
                                         "RL",
                                         "RS",
                                         "Rp",
                                         "Rs2",
                                         "Rsec",
                                         "deviation_dB",
                                         "ideal_C",
                                         "ideal_R",
                                         "ideal_dB",
                                         "level_1kHz_dB",
                                         "level_20kHz_dB",
                                         "load_C",
                                         "load_R",
                                         "minus_0_5dB_Hz",
                                         "minus_1dB_Hz",
                                         "minus_3dB_Hz",
                                         "peak_Hz",
                                         "peak_dB",
                                         "ratio",
                                         "stage_mV"};
  std::vector<std::string> gotKeys;
  for (const auto& item : got.items()) gotKeys.push_back(item.key());
  EXPECT_EQ(gotKeys, keys);

  std::string problem;
  const auto want =
      ComputeChainFigures(ChainValues{40e-6, 18, 100e-12, 2, 10, 20, 100e-12, 47e3, 0}, 0.4, 20e3, problem);
  ASSERT_TRUE(want);
  EXPECT_EQ(got.at("load_R").get<double>(), want->loadR);
  EXPECT_EQ(got.at("load_C").get<double>(), want->loadC);
  EXPECT_EQ(got.at("level_1kHz_dB").get<double>(), want->levelDb);
  EXPECT_EQ(got.at("stage_mV").get<double>(), *want->stageMv);
  EXPECT_EQ(got.at("minus_3dB_Hz").get<double>(), *want->curve.fall3Hz);
  EXPECT_TRUE(got.at("Rsec").is_null());
}

TEST(ChainProgram, SolvesTheSecondaryResistor) {
  const CalcRun run =
      RunCalc({"chain", "--ratio", "8", "--RL", "47k", "--solve-rsec", "100", "--format", "csv"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.substr(0, run.out.find("\r\n")), "wanted_R,Rsec,E24,E24_load_R,E96,E96_load_R");
  EXPECT_NE(run.out.find("\r\n100,7408.86699507389"), std::string::npos) << run.out;
}

TEST(ChainProgram, Refusals) {
  const struct {
    Args args;
    int status;
    const char* says;
  } table[] = {
      {{"chain", "--ratio", "0"}, 2, "ratio must be greater than zero, not \"0\". (--ratio)"},
      {{"chain", "--ratio", "1:-3"}, 2, "(--ratio)"},
      {{"chain", "--ratio", ""}, 2, "--ratio needs a value"},
      {{"chain", "--Rp", "2"}, 2, "Rp belongs to a transformer"},
      {{"chain", "--ratio", "10", "--C1", "1e999"}, 2, "cannot read \"1e999\" for C1"},
      {{"chain", "--ratio", "10", "--Rsec", "-1k"}, 2, "(--Rsec)"},
      {{"chain", "--ratio", "10", "--L", "x"}, 2, "for --L"},
      {{"chain", "--solve-rsec", "100"}, 2, "--solve-rsec needs --ratio"},
      {{"chain", "--ratio", "8", "--solve-rsec", "1k"}, 1, "can only lower the load"},
      {{"chain", "--ratio", "1e200"}, 1, "out of range"},
      {{"response", "--ratio", "abc"}, 2, "(--ratio)"},
      {{"plot", "-o", "-", "--ratio", "-1"}, 2, "(--ratio)"},
  };
  for (const auto& row : table) {
    const CalcRun run = RunCalc(row.args);
    EXPECT_EQ(run.status, row.status) << row.says;
    EXPECT_NE(run.err.find(row.says), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "") << row.says;
  }
}

TEST(ChainProgram, ResponseAndPlotFollowTheChain) {
  const CalcRun run =
      RunCalc(With({"response", "--format", "json", "--points", "5", "--to", "200k"}, kMovingCoil));
  ASSERT_EQ(run.status, 0) << run.err;
  const ChainValues chain{40e-6, 18, 100e-12, 0, 10, 0, 100e-12, 47e3, 0};
  for (const json& row : json::parse(run.out))
    EXPECT_NEAR(row.at("level_dB").get<double>(), ChainLevelDb(chain, row.at("f_Hz").get<double>()), 1e-12);

  const CalcRun plain = RunCalc({"plot", "-o", "-", "--L", "40u", "--RS", "18", "--C", "100p"});
  const CalcRun withChain = RunCalc(With({"plot", "-o", "-"}, kMovingCoil));
  ASSERT_EQ(withChain.status, 0) << withChain.err;
  EXPECT_EQ(plain.out.find("1:10 transformer"), std::string::npos);
  EXPECT_NE(withChain.out.find("1:10 transformer"), std::string::npos);
}

// The taps and secondary resistors ranked as the finder ranks them.
TEST(ChainProgram, SettingsThroughTheTaps) {
  const CalcRun run =
      RunCalc({"settings", "--L", "40u", "--RS", "18", "--c-values", "0 220p", "--r-base", "47k", "--ratio",
               "1:8 1:10", "--Rsec", "6.8k 7.5k", "--target-load", "100", "--format", "json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const json rows = json::parse(run.out);
  StageSettingsInput in;
  in.L = "40u";
  in.RS = "18";
  in.cable = "100p";
  in.cList = "0 220p";
  in.rBase = "47k";
  in.taps = "1:8 1:10";
  in.rsecList = "6.8k 7.5k";
  in.rankBy = RankBy::Load;
  in.targetLoad = "100";
  const StageSettingsResult want = FindStageSettings(in);
  ASSERT_EQ(rows.size(), want.rows.size());
  ASSERT_EQ(rows.size(), 2u * 3u * 2u);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].at("tap").get<std::string>(), want.tapWords[want.rows[i].tapSetting]);
    EXPECT_EQ(rows[i].at("Rsec_setting").get<std::string>(), want.rsecWords[want.rows[i].rsecSetting]);
    EXPECT_EQ(rows[i].at("load_R").get<double>(), *want.rows[i].loadSeen);
    EXPECT_TRUE(rows[i].at("F").is_null());
  }
  EXPECT_EQ(rows[0].at("Rsec_setting").get<std::string>(), "7.5k");
  const CalcRun lone = RunCalc({"settings", "--Rsec", "1k"});
  EXPECT_EQ(lone.status, 2);
  EXPECT_NE(lone.err.find("need --ratio"), std::string::npos);
}

}  // namespace
