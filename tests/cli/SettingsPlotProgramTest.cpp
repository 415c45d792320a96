// End-to-end runs of varnholt-calc settings and plot against the core they share with the window.
#include "RunCalc.h"
#include "circuit/Calculate.h"
#include "circuit/Circuit.h"
#include "loads/StageSettings.h"
#include "plot/WindowPlot.h"
#include "support/FakeCommandView.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

namespace {

using Args = std::vector<std::string>;
using nlohmann::json;

std::optional<double> Number(const json& value) {
  return value.is_null() ? std::nullopt : std::optional<double>(value.get<double>());
}

struct SettingsRow {
  const char* name;
  Args args;
  StageSettingsInput input;  // the same inputs as the dialog takes them
};

void PrintTo(const SettingsRow& row, std::ostream* os) { *os << row.name; }

class SettingsAgree : public testing::TestWithParam<SettingsRow> {};

TEST_P(SettingsAgree, WithTheFinder) {
  const SettingsRow& row = GetParam();
  Args args = {"settings", "--format", "json"};
  args.insert(args.end(), row.args.begin(), row.args.end());
  const CalcRun run = RunCalc(args);
  ASSERT_EQ(run.status, 0) << run.err;
  const json rows = json::parse(run.out);

  const StageSettingsResult result = FindStageSettings(row.input);
  ASSERT_TRUE(result.error.empty());
  ASSERT_EQ(rows.size(), result.rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const StageSettingRow& want = result.rows[i];
    const json& got = rows[i];
    EXPECT_EQ(got.at("rank").get<int>(), static_cast<int>(i + 1));
    EXPECT_EQ(got.at("C_setting").get<std::string>(), result.cWords[want.cSetting]);
    EXPECT_EQ(got.at("RL_setting").get<std::string>(), result.rWords[want.rSetting]);
    EXPECT_EQ(got.at("C").get<double>(), want.C);
    EXPECT_EQ(got.at("RL").get<double>(), want.RL);
    EXPECT_EQ(got.at("F").get<double>(), want.F);
    EXPECT_EQ(got.at("Q").get<double>(), want.Q);
    EXPECT_EQ(Number(got.at("deviation_dB")), want.deviationDb);
    EXPECT_EQ(Number(got.at("distance")), want.distance);
    EXPECT_EQ(Number(got.at("peak_Hz")),
              want.peak ? std::optional<double>(want.peak->frequency) : std::nullopt);
  }
}

StageSettingsInput Stage(const char* cList, ListMode cMode, const char* rList, ListMode rMode) {
  StageSettingsInput in;
  in.L = "300m";
  in.RS = "740";
  in.cable = "100p";
  in.RL = "47k";  // the window's start-up RL, the one resistance when none is given
  in.cList = cList;
  in.cMode = cMode;
  in.rList = rList;
  in.rMode = rMode;
  return in;
}

StageSettingsInput Targeted(StageSettingsInput in) {
  in.rankBy = RankBy::Target;
  in.targetF = "20k";
  in.targetQ = "0.707";
  return in;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SettingsAgree,
    testing::Values(
        SettingsRow{"choices",
                    {"--c-values", "0 100p 220p 330p"},
                    Stage("0 100p 220p 330p", ListMode::Choices, "", ListMode::Choices)},
        SettingsRow{"switches",
                    {"--c-values", "47p,100p,220p", "--c-switches", "--r-values", "100k 1k", "--r-switches"},
                    Stage("47p,100p,220p", ListMode::Switches, "100k 1k", ListMode::Switches)},
        SettingsRow{"nobase",
                    {"--c-values", "0 100p 220p", "--r-values", "47k 100k"},
                    Stage("0 100p 220p", ListMode::Choices, "47k 100k", ListMode::Choices)},
        SettingsRow{"target",
                    {"--c-values", "0 100p 220p 330p", "--target-F", "20k", "--target-Q", "0.707"},
                    Targeted(Stage("0 100p 220p 330p", ListMode::Choices, "", ListMode::Choices))}),
    [](const testing::TestParamInfo<SettingsRow>& info) { return std::string(info.param.name); });

TEST(Settings, RefusesWhatTheFinderCannotRead) {
  for (const Args& args : {Args{"settings", "--c-values", "22x0p"}, Args{"settings", "--target-F", "20k"},
                           Args{"settings", "--L", "abc"}, Args{"settings", "--r-base", "0"}}) {
    const CalcRun run = RunCalc(args);
    EXPECT_EQ(run.status, 2) << args[1];
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err, "") << args[1];
  }
  EXPECT_NE(RunCalc({"settings", "--c-values", "22x0p"}).err.find("--c-values"), std::string::npos);
}

TEST(Plot, WritesTheWindowsPictureWholeAndNothingElse) {
  TempDir dir;
  const std::string path = (dir.Path() / "response.svg").string();
  dir.Write("response.svg", "an older picture");
  const CalcRun run = RunCalc({"plot", "-o", path, "--C", "100p"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");

  g_circuit = CircuitValues{};
  FakeCommandView view;
  view.SetComponents("300m", "740", "100p", "47k");
  RunCalculate(view);
  const std::string svg = RenderWindowPlotSvg(g_circuit.F, g_circuit.Q, true);
  EXPECT_EQ(ReadAll(path), svg);
  // Labels at the window's 7 points (9.33 pixels), not 8.
  EXPECT_NE(svg.find("font-family=\"DejaVu Sans\" font-size=\"9.333333333333334\""), std::string::npos);
  EXPECT_EQ(RunCalc({"plot", "-o", "-", "--C", "100p"}).out, svg);  // the same bytes on standard output

  std::size_t files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path())) ++files;
  EXPECT_EQ(files, 1u);  // no temporary left behind
}

// What cannot be written to is named with the reason, and stays as it was.
TEST(Plot, RefusesWhatIsNoFileToReplace) {
  TempDir dir;
  std::filesystem::create_directory(dir.Path() / "folder.svg");
  const struct {
    std::string path;
    std::string reason;  // empty: the system's, any text
  } rows[] = {
      {"/nonexistent-folder/response.svg", ""},
      {(dir.Path() / "folder.svg").string(), "it is a folder"},
#ifndef _WIN32
      {(dir.Path() / "pipe.svg").string(), "it is not a regular file"},  // refused without blocking
#endif
  };
#ifndef _WIN32
  ASSERT_EQ(mkfifo(rows[2].path.c_str(), 0644), 0);
#endif
  for (const auto& row : rows) {
    const CalcRun run = RunCalc({"plot", "-o", row.path});
    EXPECT_EQ(run.status, 2);
    const std::string prefix = "varnholt-calc: cannot write \"" + row.path + "\": ";
    EXPECT_EQ(run.err.substr(0, prefix.size()), prefix);
    if (!row.reason.empty()) {
      EXPECT_EQ(run.err, prefix + row.reason + "\n");
    }
    EXPECT_GT(run.err.size(), prefix.size() + 1);
  }
  EXPECT_EQ(RunCalc({"plot"}).status, 2);  // -o is required
}

}  // namespace
