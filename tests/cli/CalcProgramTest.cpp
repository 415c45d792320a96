// End-to-end runs of varnholt-calc: what a script or a person sees.
#include "RunCalc.h"
#include "Version.h"
#include "circuit/Calculate.h"
#include "circuit/Circuit.h"
#include "circuit/SolverCommands.h"
#include "support/FakeCommandView.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <charconv>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Args = std::vector<std::string>;
using nlohmann::json;

// "key  value" lines of a text record.
std::map<std::string, std::string> TextRecord(const std::string& out) {
  std::map<std::string, std::string> record;
  std::istringstream lines(out);
  std::string line;
  while (std::getline(lines, line)) {
    const std::size_t gap = line.find("  ");
    if (gap == std::string::npos) continue;
    record[line.substr(0, gap)] = line.substr(line.find_first_not_of(' ', gap));
  }
  return record;
}

std::vector<std::string> Lines(const std::string& text, const std::string& end = "\r\n") {
  std::vector<std::string> lines;
  std::size_t at = 0;
  for (std::size_t next; (next = text.find(end, at)) != std::string::npos; at = next + end.size())
    lines.push_back(text.substr(at, next - at));
  return lines;
}

std::vector<std::string> SplitPlain(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
  if (!line.empty() && line.back() == ',') fields.emplace_back();
  return fields;
}

struct RefusedRow {
  const char* name;
  Args args;
  int status;
  std::string err;  // all of standard error
};

void PrintTo(const RefusedRow& row, std::ostream* os) { *os << row.name; }

class Refused : public testing::TestWithParam<RefusedRow> {};

// Refusals write nothing to standard output and say why on standard error.
TEST_P(Refused, ExplainsOnStandardErrorOnly) {
  const RefusedRow& row = GetParam();
  const CalcRun run = RunCalc(row.args);
  EXPECT_EQ(run.status, row.status);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, row.err);
}

const std::string kNotVerified = std::string(kNotVerifiedText) + "\n";

INSTANTIATE_TEST_SUITE_P(
    Rows, Refused,
    testing::Values(
        RefusedRow{"unreadable", {"calc", "--L", "abc"}, 2, "varnholt-calc: cannot read \"abc\" for --L\n"},
        RefusedRow{"prefix_only", {"calc", "--RS", "k"}, 2, "varnholt-calc: cannot read \"k\" for --RS\n"},
        RefusedRow{
            "overflow", {"calc", "--RL", "1e999"}, 2, "varnholt-calc: cannot read \"1e999\" for --RL\n"},
        RefusedRow{
            "zero", {"calc", "--C", "0"}, 2, "varnholt-calc: --C must be greater than zero, not \"0\"\n"},
        RefusedRow{"negative",
                   {"solve", "c-from-f", "--F=-20k"},
                   2,
                   "varnholt-calc: --F must be greater than zero, not \"-20k\"\n"},
        RefusedRow{"full_unreadable_start",
                   {"solve", "full", "--F", "20k", "--Q", "0.6", "--RL", "x"},
                   2,
                   "varnholt-calc: cannot read \"x\" for --RL\n"},
        RefusedRow{"missing_file",
                   {"table", "/nonexistent/varnholt.txt"},
                   2,
                   "varnholt-calc: cannot read \"/nonexistent/varnholt.txt\": No such file or directory\n"},
        RefusedRow{"folder_as_file", {"table", "/"}, 2, "varnholt-calc: cannot read \"/\": Is a directory\n"},
        RefusedRow{"one_point",
                   {"response", "--points", "1"},
                   2,
                   "varnholt-calc: --points must be from 2 to 1000000\n"},
        RefusedRow{"reversed_band",
                   {"response", "--from", "10k", "--to", "10"},
                   2,
                   "varnholt-calc: --to must be above --from\n"},
        RefusedRow{"c_unreachable_q", {"solve", "c-from-q", "--Q", "5"}, 1, kNotVerified},
        RefusedRow{"rl_no_real_root",
                   {"solve", "rl-from-q", "--L", "340m", "--RS", "2.43k", "--C", "100n", "--Q", "0.94"},
                   1,
                   kNotVerified},
        RefusedRow{"rl_both_roots_negative",
                   {"solve", "rl-from-q", "--L", "340m", "--RS", "2.43k", "--C", "71n", "--Q", "0.94"},
                   1,
                   kNotVerified},
        RefusedRow{"full_no_real_root",
                   {"solve", "full", "--F", "200", "--Q", "1"},
                   1,
                   std::string(kIterationFailedText) + "\n"},
        // C would overflow to infinity.
        RefusedRow{"c_for_tiny_f", {"solve", "c-from-f", "--F", "1e-200"}, 1, kNotVerified}),
    [](const testing::TestParamInfo<RefusedRow>& info) { return std::string(info.param.name); });

TEST(Usage, ErrorsOfTheParserExitWithTwo) {
  for (const Args& args : {Args{}, Args{"calc", "--format", "xml"}, Args{"solve", "c-from-q"},
                           Args{"calc", "--bogus"}, Args{"solve"}, Args{"calc", "--C"}}) {
    const CalcRun run = RunCalc(args);
    EXPECT_EQ(run.status, 2) << (args.empty() ? "" : args.back());
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err, "");
  }
}

TEST(Usage, HelpAndVersionGoToStandardOutput) {
  const CalcRun version = RunCalc({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "varnholt-calc " VARNHOLT_VERSION "\n");
  for (const Args& args : {Args{"--help"}, Args{"solve", "full", "--help"}, Args{"table", "--help"}}) {
    const CalcRun help = RunCalc(args);
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: varnholt-calc"), std::string::npos) << args[0];
  }
}

TEST(Output, AFailedWriteIsAnError) {
  RunOptions options;
  options.stdoutPath = "/dev/full";
  const CalcRun run = RunCalc({"table", VARNHOLT_EXAMPLES_DIR "/varnholt.txt"}, options);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "varnholt-calc: cannot write the output\n");
}

// The window's solver examples: the texts its fields end with, and the
// doubles its record ends with, from the same command run here on a fake.
struct WindowRow {
  const char* name;
  const char* solver;  // "calc" or the solve subcommand
  Args args;
  void (*command)(CommandView&);
  std::map<Field, std::string> fields;       // the window's fields before the command
  std::map<std::string, std::string> texts;  // expected text output
};

void PrintTo(const WindowRow& row, std::ostream* os) { *os << row.name; }

class AgreesWithWindow : public testing::TestWithParam<WindowRow> {};

TEST_P(AgreesWithWindow, InTextAndJson) {
  const WindowRow& row = GetParam();
  Args args;
  if (std::string(row.solver) != "calc") args.push_back("solve");
  args.push_back(row.solver);
  args.insert(args.end(), row.args.begin(), row.args.end());

  const CalcRun text = RunCalc(args);
  ASSERT_EQ(text.status, 0) << text.err;
  const auto record = TextRecord(text.out);
  for (const auto& [key, value] : row.texts) EXPECT_EQ(record.at(key), value) << key;

  args.insert(args.end(), {"--format", "json"});
  const CalcRun js = RunCalc(args);
  ASSERT_EQ(js.status, 0) << js.err;
  const json object = json::parse(js.out);

  g_circuit = CircuitValues{};
  FakeCommandView view;
  view.fields = row.fields;
  row.command(view);
  ASSERT_TRUE(view.messages.empty());
  EXPECT_EQ(object.at("L").get<double>(), g_circuit.L);
  EXPECT_EQ(object.at("RS").get<double>(), g_circuit.RS);
  EXPECT_EQ(object.at("C").get<double>(), g_circuit.C);
  EXPECT_EQ(object.at("RL").get<double>(), g_circuit.RL);
  EXPECT_EQ(object.at("F").get<double>(), g_circuit.F);
  EXPECT_EQ(object.at("Q").get<double>(), g_circuit.Q);
  EXPECT_EQ(object.at("serial_Q").get<double>(), SerialQualityFactor(g_circuit.L, g_circuit.C, g_circuit.RS));
}

std::map<Field, std::string> Fields(const char* c, const char* rl, const char* f, const char* q) {
  return {{Field::L, "300m"}, {Field::RS, "740"}, {Field::C, c},
          {Field::RL, rl},    {Field::F, f},      {Field::Q, q}};
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AgreesWithWindow,
    testing::Values(
        WindowRow{"calc_defaults",
                  "calc",
                  {},
                  RunCalculate,
                  Fields("251p", "47k", "", ""),
                  {{"F", "18.4848k"}, {"Q", "1.331402"}, {"serial_Q", "46.718840"}, {"C", "251p"}}},
        WindowRow{"c_from_q",
                  "c-from-q",
                  {"--Q", "1.331402"},
                  RunOptimizeCFromQ,
                  Fields("1n", "47k", "", "1.331402"),
                  {{"C", "251p"}, {"F", "18.4848k"}, {"Q", "1.331402"}, {"serial_Q", "46.718840"}}},
        WindowRow{"c_from_q_smaller_root",
                  "c-from-q",
                  {"--Q", "0.7"},
                  RunOptimizeCFromQ,
                  Fields("1n", "47k", "", "0.7"),
                  {{"C", "66.529p"}, {"F", "35.9043k"}, {"Q", "0.700000"}}},
        WindowRow{"rl_from_q",
                  "rl-from-q",
                  {"--Q", "1.331402"},
                  RunOptimizeRLFromQ,
                  Fields("251p", "1M", "", "1.331402"),
                  {{"RL", "47k"}, {"F", "18.4848k"}, {"Q", "1.331402"}}},
        WindowRow{"c_from_f",
                  "c-from-f",
                  {"--F", "20000"},
                  RunOptimizeCFromF,
                  Fields("1n", "47k", "20000", "junk"),
                  {{"C", "214.409p"}, {"F", "20k"}, {"Q", "1.235628"}}},
        WindowRow{"c_from_f_10k",
                  "c-from-f",
                  {"--F", "10k"},
                  RunOptimizeCFromF,
                  Fields("1n", "47k", "10k", ""),
                  {{"C", "857.637p"}, {"F", "10k"}, {"Q", "2.303638"}}},
        WindowRow{"full",
                  "full",
                  {"--F", "20k", "--Q", "0.6"},
                  RunFullOptimization,
                  Fields("", "", "20k", "0.6"),
                  {{"C", "218.138p"}, {"RL", "22.149k"}, {"F", "20k"}, {"Q", "0.599999"}, {"peak_Hz", "-"}}},
        WindowRow{"full_from_1M",
                  "full",
                  {"--RL", "1M", "--F", "20k", "--Q", "0.6"},
                  RunFullOptimization,
                  Fields("251p", "1M", "20k", "0.6"),
                  {{"C", "218.138p"}, {"RL", "22.149k"}}},
        WindowRow{"full_defaults",
                  "full",
                  {"--F", "18.4848k", "--Q", "1.331402"},
                  RunFullOptimization,
                  Fields("1n", "47k", "18.4848k", "1.331402"),
                  {{"C", "251p"}, {"RL", "47k"}, {"F", "18.4848k"}}}),
    [](const testing::TestParamInfo<WindowRow>& info) { return std::string(info.param.name); });

TEST(Formats, CsvAndJsonCarryTheSameDoublesAndMissingFigures) {
  const Args args = {"solve", "full", "--F", "20k", "--Q", "0.6"};  // no peak at Q 0.6
  Args csvArgs = args, jsonArgs = args;
  csvArgs.insert(csvArgs.end(), {"--format", "csv"});
  jsonArgs.insert(jsonArgs.end(), {"--format", "json"});
  const std::vector<std::string> lines = Lines(RunCalc(csvArgs).out);
  ASSERT_EQ(lines.size(), 2u);
  const auto keys = SplitPlain(lines[0]);
  const auto values = SplitPlain(lines[1]);
  const auto object = nlohmann::ordered_json::parse(RunCalc(jsonArgs).out);
  ASSERT_EQ(keys.size(), 13u);
  ASSERT_EQ(values.size(), keys.size());
  std::size_t k = 0;
  for (const auto& [key, value] : object.items()) {
    ASSERT_EQ(key, keys[k]);  // same names, same order
    if (value.is_null()) {
      EXPECT_EQ(values[k], "") << key;
    } else {
      double parsed = 0;
      std::from_chars(values[k].data(), values[k].data() + values[k].size(), parsed);
      EXPECT_EQ(parsed, value.get<double>()) << key;
    }
    ++k;
  }
  EXPECT_TRUE(object.at("peak_Hz").is_null());
  EXPECT_TRUE(object.at("peak_dB").is_null());
}

TEST(Response, SpansTheBandOnALogScale) {
  const json points = json::parse(RunCalc({"response", "--format", "json"}).out);
  ASSERT_EQ(points.size(), 200u);
  EXPECT_EQ(points.front().at("f_Hz").get<double>(), 10.0);
  EXPECT_EQ(points.back().at("f_Hz").get<double>(), 100000.0);
  const double ratio = points[1].at("f_Hz").get<double>() / points[0].at("f_Hz").get<double>();
  EXPECT_NEAR(points[100].at("f_Hz").get<double>() / points[99].at("f_Hz").get<double>(), ratio, 1e-12);
  EXPECT_NEAR(points.front().at("level_dB").get<double>(), 0.0, 1e-5);
  EXPECT_NEAR(points.front().at("phase_deg").get<double>(), 0.0, 0.1);
  EXPECT_LT(points.back().at("phase_deg").get<double>(), -170.0);

  const auto lines =
      Lines(RunCalc({"response", "--from", "1k", "--to", "2k", "--points", "3", "--format", "csv"}).out);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "f_Hz,level_dB,phase_deg");
  EXPECT_EQ(SplitPlain(lines[1])[0], "1000");
  EXPECT_EQ(SplitPlain(lines[3])[0], "2000");
}

}  // namespace
