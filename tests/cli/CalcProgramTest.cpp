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

std::vector<std::string> SplitPlain(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
  if (!line.empty() && line.back() == ',') fields.emplace_back();
  return fields;
}

// Refusals write nothing to standard output and say why on standard error.
TEST(Refused, ExplainsOnStandardErrorOnly) {
  const std::string notVerified = std::string(kNotVerifiedText) + "\n";
  const std::string failed = std::string(kIterationFailedText) + "\n";
  const struct {
    Args args;
    int status;
    std::string err;  // all of standard error, after "varnholt-calc: " for status 2
  } rows[] = {
      {{"calc", "--L", "abc"}, 2, "cannot read \"abc\" for --L: it does not start with a number"},
      {{"calc", "--RL", "1e999"}, 2, "cannot read \"1e999\" for --RL: it is beyond the range of a number"},
      {{"calc", "--C", " 1p"},
       2,
       "cannot read \" 1p\" for --C: it does not start with a number"},  // the window reads 0 there
      {{"calc", "--RL", "4,7k"}, 2, "cannot read \"4,7k\" for --RL: \",7k\" is not part of a number"},
      {{"calc", "--C", "0"}, 2, "--C must be greater than zero, not \"0\""},
      {{"solve", "c-from-f", "--F=-20k"}, 2, "--F must be greater than zero, not \"-20k\""},
      {{"solve", "full", "--F", "20k", "--Q", "0.6", "--RL", "x"},
       2,
       "cannot read \"x\" for --RL: it does not start with a number"},
      {{"table", "/nonexistent/v.txt"}, 2, "cannot read \"/nonexistent/v.txt\": No such file or directory"},
      {{"table", "."}, 2, "cannot read \".\": Is a directory"},
      {{"response", "--points", "1"}, 2, "--points \"1\" must be 2 to 1000000"},
      // One count reader: no hex, space, sign or exponent, and its own message.
      {{"response", "--points", "0x10"}, 2, "--points \"0x10\" is not a count, such as 200"},
      {{"response", "--points", " 12"}, 2, "--points \" 12\" is not a count, such as 200"},
      {{"response", "--points", "1e3"}, 2, "--points \"1e3\" is not a count, such as 200"},
      {{"map", "--points", "+12"}, 2, "--points \"+12\" is not a count, such as 200 or 400x300"},
      // A quoted argument is UTF-8 with its control characters replaced.
      {{"calc", "--L", "1\xC3\xA9"},
       2,
       "cannot read \"1\xC3\xA9\" for --L: \"\xC3\xA9\" is not part of a number"},
      {{"calc", "--L",
        "1\xC2\x9B"
        "2J"},
       2,
       "cannot read \"1\xEF\xBF\xBD"
       "2J\" for --L: \"\xEF\xBF\xBD"
       "2J\" is not part of a number"},
#ifndef _WIN32  // the wide command line cannot carry bytes that are not UTF-8
      {{"calc", "--L", "1\xFF"},
       2,
       "cannot read \"1\xEF\xBF\xBD\" for --L: \"\xC3\xBF\" is not part of a number"},
#endif
      // A figure beyond a double is no result.
      {{"calc", "--RL", "1e-320"}, 1, "varnholt-calc: F is not a finite number for these values\n"},
      {{"calc", "--RL", "1e-320", "--format", "json"},
       1,
       "varnholt-calc: F is not a finite number for these values\n"},
      {{"plot", "--RL", "1e-320", "-o", "-"},
       1,
       "varnholt-calc: F is not a finite number for these values\n"},
      {{"map", "-o", "-", "--format", "json"},
       2,
       "-o - writes the picture to standard output, where --format would write the grid: give -o a file "
       "name"},
      {{"response", "--from", "10k", "--to", "10"}, 2, "--to must be above --from"},
      {{"solve", "c-from-q", "--Q", "5"}, 1, notVerified},
      {{"solve", "rl-from-q", "--L", "340m", "--RS", "2.43k", "--C", "100n", "--Q", "0.94"}, 1, notVerified},
      {{"solve", "full", "--F", "200", "--Q", "1"}, 1, failed},
      {{"solve", "c-from-f", "--F", "1e-200"}, 1, notVerified},  // C would overflow
  };
  for (const auto& row : rows) {
    const CalcRun run = RunCalc(row.args);
    EXPECT_EQ(run.status, row.status) << row.err;
    EXPECT_EQ(run.out, "") << row.err;
    EXPECT_EQ(run.err, row.status == 2 ? "varnholt-calc: " + row.err + "\n" : row.err);
  }
}

TEST(Usage, ParserErrorsExitWithTwoHelpAndVersionWithZero) {
  for (const Args& args : {Args{}, Args{"calc", "--format", "xml"}, Args{"solve", "c-from-q"},
                           Args{"calc", "--bogus"}, Args{"solve"}, Args{"calc", "--C"}}) {
    const CalcRun run = RunCalc(args);
    EXPECT_EQ(run.status, 2) << (args.empty() ? "" : args.back());
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err, "");
  }
  // The parser's own messages quote arguments as every other message does.
  EXPECT_EQ(
      RunCalc({"calc", "--\xC2\x9B"}).err,
      "The following argument was not expected: --\xEF\xBF\xBD\nRun with --help for more information.\n");
  EXPECT_EQ(RunCalc({"--version"}).out, "varnholt-calc " VARNHOLT_VERSION "\n");
  for (const Args& args : {Args{"--help"}, Args{"solve", "full", "--help"}, Args{"table", "--help"}}) {
    const CalcRun help = RunCalc(args);
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: varnholt-calc"), std::string::npos) << args[0];
  }
}

#ifndef _WIN32
TEST(Output, AFailedWriteIsAnError) {
  RunOptions options;
  options.stdoutPath = "/dev/full";
  const CalcRun run = RunCalc({"table", VARNHOLT_EXAMPLES_DIR "/varnholt.txt"}, options);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "varnholt-calc: cannot write the output\n");
}
#endif

// The window's solver examples: the texts its fields end with, and the
// doubles its record ends with, from the same command run here on a fake
// whose fields hold what the arguments give.
TEST(AgreesWithWindow, InTextAndJson) {
  using Texts = std::map<std::string, std::string>;
  const struct {
    Args args;
    void (*command)(CommandView&);
    Texts texts;                    // expected text output
    const char* windowC = nullptr;  // what the window's C field holds, when not --C's own text
  } rows[] = {
      {{"calc"},
       RunCalculate,
       {{"F", "18.4848k"},
        {"Q", "1.331402"},
        {"serial_Q", "46.718840"},
        {"description", "Peak +3.15 dB at 15.66kHz; -3 dB at 25.79kHz; 20kHz: +1.61 dB"}}},
      // A moving-coil cartridge: its resonance is far above anything audible, and the line says so.
      {{"calc", "--L", "40u", "--RS", "18", "--C", "60p"},
       RunCalculate,
       {{"F", "3.24936M"}, {"description", "Flat within 0.1 dB to 20 kHz; resonance at 3.249MHz"}}},
      // The start-up C written with an exponent.
      {{"calc", "--C", "2.51E-10"}, RunCalculate, {{"C", "251p"}, {"F", "18.4848k"}}, "251p"},
      {{"solve", "c-from-q", "--Q", "1.331402"}, RunOptimizeCFromQ, {{"C", "251p"}, {"F", "18.4848k"}}},
      {{"solve", "c-from-q", "--Q", "0.7"},
       RunOptimizeCFromQ,
       {{"C", "66.529p"}, {"F", "35.9043k"}, {"Q", "0.700000"}}},
      {{"solve", "rl-from-q", "--Q", "1.331402"}, RunOptimizeRLFromQ, {{"RL", "47k"}, {"Q", "1.331402"}}},
      {{"solve", "c-from-f", "--F", "20000"},
       RunOptimizeCFromF,
       {{"C", "214.409p"}, {"F", "20k"}, {"Q", "1.235628"}}},
      {{"solve", "c-from-f", "--F", "10k"}, RunOptimizeCFromF, {{"C", "857.637p"}, {"Q", "2.303638"}}},
      {{"solve", "full", "--F", "20k", "--Q", "0.6"},
       RunFullOptimization,
       {{"C", "218.138p"}, {"RL", "22.149k"}, {"F", "20k"}, {"Q", "0.599999"}, {"peak_Hz", "-"}}},
      {{"solve", "full", "--RL", "1M", "--F", "20k", "--Q", "0.6"}, RunFullOptimization, {{"RL", "22.149k"}}},
      {{"solve", "full", "--F", "18.4848k", "--Q", "1.331402"},
       RunFullOptimization,
       {{"C", "251p"}, {"RL", "47k"}}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.args.back());
    const CalcRun text = RunCalc(row.args);
    ASSERT_EQ(text.status, 0) << text.err;
    const auto record = TextRecord(text.out);
    for (const auto& [key, value] : row.texts) EXPECT_EQ(record.at(key), value) << key;

    Args args = row.args;
    args.insert(args.end(), {"--format", "json"});
    const json object = json::parse(RunCalc(args).out);

    g_circuit = CircuitValues{};
    FakeCommandView view;
    view.SetComponents("300m", "740", "251p", "47k");
    const std::map<std::string, Field> fields = {{"--L", Field::L},   {"--RS", Field::RS}, {"--C", Field::C},
                                                 {"--RL", Field::RL}, {"--F", Field::F},   {"--Q", Field::Q}};
    for (std::size_t i = 0; i + 1 < row.args.size(); ++i)
      if (fields.count(row.args[i])) view.fields[fields.at(row.args[i])] = row.args[i + 1];
    if (row.windowC) view.fields[Field::C] = row.windowC;
    row.command(view);
    ASSERT_TRUE(view.messages.empty());
    EXPECT_EQ(object.at("L").get<double>(), g_circuit.L);
    EXPECT_EQ(object.at("RS").get<double>(), g_circuit.RS);
    EXPECT_EQ(object.at("C").get<double>(), g_circuit.C);
    EXPECT_EQ(object.at("RL").get<double>(), g_circuit.RL);
    EXPECT_EQ(object.at("F").get<double>(), g_circuit.F);
    EXPECT_EQ(object.at("Q").get<double>(), g_circuit.Q);
    EXPECT_EQ(object.at("serial_Q").get<double>(),
              SerialQualityFactor(g_circuit.L, g_circuit.C, g_circuit.RS));
  }
}

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
  ASSERT_EQ(keys.size(), 14u);
  ASSERT_EQ(values.size(), keys.size());
  std::size_t k = 0;
  for (const auto& [key, value] : object.items()) {
    ASSERT_EQ(key, keys[k]);  // same names, same order
    if (value.is_null()) {
      EXPECT_EQ(values[k], "") << key;
    } else if (value.is_string()) {
      EXPECT_EQ(values[k], value.get<std::string>()) << key;
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

// Every line of a CSV report ends in CRLF, on every system: never a bare LF,
// never the CRCRLF of a text-mode stream.
TEST(Formats, CsvLinesEndInCrlf) {
  const std::string out = RunCalc({"response", "--points", "3", "--format", "csv"}).out;
  EXPECT_EQ(Lines(out).size(), 4u);
  EXPECT_EQ(Lines(out, "\n").size(), 4u);
  EXPECT_EQ(out.find("\r\r"), std::string::npos);
  EXPECT_EQ(out.rfind("\r\n"), out.size() - 2);
}

TEST(Response, SpansTheBandOnALogScale) {
  const json points = json::parse(RunCalc({"response", "--format", "json"}).out);
  ASSERT_EQ(points.size(), 200u);
  EXPECT_EQ(points.front().at("f_Hz").get<double>(), 10.0);
  EXPECT_EQ(points.back().at("f_Hz").get<double>(), 100000.0);
  EXPECT_NEAR(points.back().at("phase_deg").get<double>(), -171.82, 0.01);
  const auto lines =
      Lines(RunCalc({"response", "--from", "1k", "--to", "100k", "--points", "3", "--format", "csv"}).out);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "f_Hz,level_dB,phase_deg");
  EXPECT_EQ(SplitPlain(lines[2])[0], "10000");  // the middle of two decades, exactly
}

}  // namespace
