// End-to-end runs of varnholt-calc table: names, order, quoting and the file lookup.
#include "RunCalc.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace {

using nlohmann::json;

// Each name comes out as its CSV field (RFC 4180 quoting) and as a valid JSON
// string with its bytes; text for a terminal shows a control character as U+FFFD.
TEST(Table, AwkwardNamesAreQuotedInCsvAndValidInJson) {
  const std::string bad = "\xEF\xBF\xBD";
  const struct {
    std::string bytes;  // as in the preset file
    std::string csv;    // the CSV field
    std::string text;   // the JSON string's value (UTF-8)
    std::string shown;  // in text output
  } rows[] = {
      {"Alpha", "Alpha", "Alpha", "Alpha"},
      {"Comma, Inc", "\"Comma, Inc\"", "Comma, Inc", "Comma, Inc"},
      {"Tab\there", "\"Tab\there\"", "Tab\there", "Tab" + bad + "here"},
      {"Jack's", "Jack's", "Jack's", "Jack's"},
      {"Caf\xC3\xA9", "Caf\xC3\xA9", "Caf\xC3\xA9", "Caf\xC3\xA9"},  // UTF-8 as it is
      {"Caf\xE9", "Caf\xC3\xA9", "Caf\xC3\xA9", "Caf\xC3\xA9"},      // Windows-1252
      {"\x80uro, \xB5", "\"\xE2\x82\xACuro, \xC2\xB5\"", "\xE2\x82\xACuro, \xC2\xB5",
       "\xE2\x82\xACuro, \xC2\xB5"},  // Windows-1252
      {"Bell\x01", "\"Bell\x01\"", "Bell\x01", "Bell" + bad},
      {"Esc\x1B[31m", "\"Esc\x1B[31m\"", "Esc\x1B[31m", "Esc" + bad + "[31m"},
      {"Del\x7F", "\"Del\x7F\"", "Del\x7F", "Del" + bad},
      {"Csi\xC2\x9B"
       "2J",
       "Csi\xC2\x9B"
       "2J",
       "Csi\xC2\x9B"
       "2J",
       "Csi" + bad + "2J"},                                    // a C1 control
      {"Win\x81", "Win\xC2\x81", "Win\xC2\x81", "Win" + bad},  // Windows-1252's C1
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.csv);
    TempDir dir;
    const std::string file = dir.Write("presets.txt", row.bytes + "\"550m 1.1k\n");
    const auto lines = Lines(RunCalc({"table", file, "--format", "csv"}).out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].substr(0, row.csv.size() + 1), row.csv + ",");

    const json parsed = json::parse(RunCalc({"table", file, "--format", "json"}).out);  // throws unless UTF-8
    ASSERT_EQ(parsed.size(), 1u);
    EXPECT_EQ(parsed[0].at("name").get<std::string>(), row.text);
    EXPECT_EQ(parsed[0].at("L").get<double>(), 0.55);

    const std::string text = RunCalc({"table", file}).out;
    EXPECT_NE(text.find("\n" + row.shown + "  "), std::string::npos) << text;
  }
}

TEST(Table, ControlCharactersNeverReachTheTerminalRaw) {
  TempDir dir;
  const std::string file = dir.Write("p.txt", "Bad\x1B]0;x\x07\"ab\x1B 1\n");
  const CalcRun run = RunCalc({"table", file});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "varnholt-calc: Bad\xEF\xBF\xBD]0;x\xEF\xBF\xBD: L \"ab\xEF\xBF\xBD\", RS \"1\": cannot be read, "
            "or not greater than zero\n");
  EXPECT_EQ(run.out.find_first_of("\x1B\x07"), std::string::npos);
}

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
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], "Broken,,1100,2.51e-10,47000,,,,,,,,,");
  EXPECT_EQ(lines[2].rfind("Good,0.55,1100,", 0), 0u);
}

TEST(Table, ReadsTheFileResetReads) {
  TempDir work, config;
  config.Write("varnholt/varnholt.txt", "User\"550m 1.1k\n");
  const std::string xdg = kConfigVariable + config.Path().string();
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
                               {empty.Path().string(), {kConfigVariable + empty.Path().string()}, {}});
  EXPECT_EQ(none.status, 0);
  EXPECT_EQ(none.out, "[]\n");
}

#ifndef _WIN32
// A relative XDG_CONFIG_HOME is ignored, as the window ignores it; without
// HOME either there is no configuration folder at all (never "/.config").
TEST(Table, FindsTheConfigFolderAsTheWindowDoes) {
  TempDir work, home;
  work.Write("rel/varnholt/varnholt.txt", "Relative\"550m 1.1k\n");
  home.Write(".config/varnholt/varnholt.txt", "Home\"550m 1.1k\n");
  const struct {
    std::vector<std::string> env;
    const char* names;
  } rows[] = {
      {{"XDG_CONFIG_HOME=rel", "HOME=" + home.Path().string()}, "[\"Home\"]"},
      {{"XDG_CONFIG_HOME=rel", "HOME"}, "[]"},
      {{"XDG_CONFIG_HOME", "HOME"}, "[]"},
  };
  for (const auto& row : rows) {
    const CalcRun run = RunCalc({"table", "--format", "json"}, {work.Path().string(), row.env, {}});
    json names = json::array();
    for (const json& entry : json::parse(run.out)) names.push_back(entry.at("name"));
    EXPECT_EQ(names.dump(), row.names) << row.env[0] << " " << row.env[1];
  }
}
#endif

TEST(Table, TextAlignsColumnsByCharacters) {
  TempDir dir;
  const std::string file = dir.Write("p.txt", "Caf\xE9\"550m 1.1k\nLonger name\"12u 5\n");
  const std::string out = RunCalc({"table", file}).out;
  // Both rows end at the header's end, counted in characters; micro is UTF-8.
  const std::size_t header = out.find('\n');
  EXPECT_EQ(out.find("\nCaf\xC3\xA9         "), header);
  EXPECT_EQ(out.find('\n', header + 1), 2 * header + 2);
  EXPECT_NE(out.find("   12\xC2\xB5  "), std::string::npos);
}

}  // namespace
