// End-to-end runs of varnholt-calc table: names, order, quoting and the file lookup.
#include "RunCalc.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace {

using nlohmann::json;

std::vector<std::string> CsvLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  for (std::size_t next; (next = text.find("\r\n", at)) != std::string::npos; at = next + 2)
    lines.push_back(text.substr(at, next - at));
  return lines;
}

// The name field of a CSV line, as written (quotes included).
std::string FirstCsvField(const std::string& line) {
  if (line.empty() || line[0] != '"') return line.substr(0, line.find(','));
  std::size_t at = 1;
  while ((at = line.find('"', at)) != std::string::npos && at + 1 < line.size() && line[at + 1] == '"')
    at += 2;
  return line.substr(0, at + 1);
}

struct NameRow {
  const char* name;
  std::string bytes;  // as in the preset file
  std::string csv;    // the CSV field
  std::string text;   // the JSON string's value (UTF-8)
};

void PrintTo(const NameRow& row, std::ostream* os) { *os << row.name; }

class AwkwardName : public testing::TestWithParam<NameRow> {};

TEST_P(AwkwardName, IsQuotedInCsvAndValidInJson) {
  const NameRow& row = GetParam();
  TempDir dir;
  const std::string file = dir.Write("presets.txt", row.bytes + "\"550m 1.1k\n");

  const auto lines = CsvLines(RunCalc({"table", file, "--format", "csv"}).out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(FirstCsvField(lines[1]), row.csv);

  const CalcRun js = RunCalc({"table", file, "--format", "json"});
  ASSERT_EQ(js.status, 0);
  const json rows = json::parse(js.out);  // throws on text that is not UTF-8
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].at("name").get<std::string>(), row.text);
  EXPECT_EQ(rows[0].at("L").get<double>(), 0.55);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AwkwardName,
    testing::Values(NameRow{"plain", "Alpha", "Alpha", "Alpha"},
                    NameRow{"comma", "Comma, Inc", "\"Comma, Inc\"", "Comma, Inc"},
                    NameRow{"tab", "Tab\there", "\"Tab\there\"", "Tab\there"},
                    NameRow{"apostrophe", "Jack's", "Jack's", "Jack's"},
                    NameRow{"utf8", "Caf\xC3\xA9", "Caf\xC3\xA9", "Caf\xC3\xA9"},
                    NameRow{"latin1", "Caf\xE9", "Caf\xC3\xA9", "Caf\xC3\xA9"},
                    NameRow{"cp1252_euro", "\x80uro, \xB5", "\"\xE2\x82\xACuro, \xC2\xB5\"",
                            "\xE2\x82\xACuro, \xC2\xB5"},
                    NameRow{"control", "Bell\x01", "Bell\x01", "Bell\x01"}),
    [](const testing::TestParamInfo<NameRow>& info) { return std::string(info.param.name); });

TEST(Table, FollowsTheNameListOrderAndTheFileLoad) {
  TempDir dir;
  const std::string file = dir.Write("p.txt",
                                     "_init_load\"100p 47k\n"
                                     "beta\"470m 680\n"
                                     "Alpha\"550m 1.1k\n"
                                     "alpha\"1 1\n"
                                     "beta\"720m 1.35k\n");  // a later line replaces the values
  const json rows = json::parse(RunCalc({"table", file, "--format", "json"}).out);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].at("name"), "Alpha");
  EXPECT_EQ(rows[1].at("name"), "alpha");
  EXPECT_EQ(rows[2].at("name"), "beta");
  EXPECT_EQ(rows[2].at("L").get<double>(), 0.72);
  EXPECT_EQ(rows[0].at("C").get<double>(), 100e-12);

  const json loaded =
      json::parse(RunCalc({"table", file, "--C", "300p", "--RL", "10k", "--format", "json"}).out);
  EXPECT_EQ(loaded[0].at("C").get<double>(), 300e-12);
  EXPECT_EQ(loaded[0].at("RL").get<double>(), 10000.0);
}

TEST(Table, KeepsARowThatCannotBeCalculatedAndSaysSo) {
  TempDir dir;
  const std::string file = dir.Write("p.txt", "Good\"550m 1.1k\nBroken\"abc 1.1k\n");
  const CalcRun run = RunCalc({"table", file, "--format", "csv"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Broken"), std::string::npos);
  const auto lines = CsvLines(run.out);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], "Broken,,1100,2.51e-10,47000,,,,,,,,,");
  EXPECT_EQ(lines[2].rfind("Good,0.55,1100,", 0), 0u);
}

TEST(Table, ReadsTheFileResetReads) {
  TempDir work, config;
  config.Write("varnholt/varnholt.txt", "User\"550m 1.1k\n");
  const std::string xdg = "XDG_CONFIG_HOME=" + config.Path().string();
  RunOptions options{work.Path().string(), {xdg}, {}};

  // The user's file while the working folder has none...
  json rows = json::parse(RunCalc({"table", "--format", "json"}, options).out);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].at("name"), "User");

  // ...the working folder's once it has one...
  work.Write("varnholt.txt", "Local\"550m 1.1k\n");
  rows = json::parse(RunCalc({"table", "--format", "json"}, options).out);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].at("name"), "Local");

  // ...and no file at all is an empty table, as the window shows an empty list.
  TempDir empty;
  const CalcRun none = RunCalc({"table", "--format", "json"},
                               {empty.Path().string(), {"XDG_CONFIG_HOME=" + empty.Path().string()}, {}});
  EXPECT_EQ(none.status, 0);
  EXPECT_EQ(none.out, "[]\n");
}

TEST(Table, TextAlignsColumnsByCharacters) {
  TempDir dir;
  const std::string file = dir.Write("p.txt", "Caf\xE9\"550m 1.1k\nLonger name\"12u 5\n");
  const std::string out = RunCalc({"table", file}).out;
  std::vector<std::size_t> widths;
  std::size_t at = 0;
  for (std::size_t next; (next = out.find('\n', at)) != std::string::npos; at = next + 1) {
    std::size_t chars = 0;
    for (std::size_t i = at; i < next; ++i) chars += (static_cast<unsigned char>(out[i]) & 0xC0) != 0x80;
    widths.push_back(chars);
  }
  ASSERT_EQ(widths.size(), 3u);
  EXPECT_EQ(widths[0], widths[1]);
  EXPECT_EQ(widths[1], widths[2]);
  EXPECT_NE(out.find("Caf\xC3\xA9 "), std::string::npos);
  EXPECT_NE(out.find("12\xC2\xB5"), std::string::npos);  // micro as UTF-8
}

}  // namespace
