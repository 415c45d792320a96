#include "presets/PresetFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Entry {
  bool initLoad;
  std::string name, first, second;
  bool operator==(const Entry&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Entry& e) {
  return out << (e.initLoad ? "init" : "preset") << " [" << e.name << "] [" << e.first << "] [" << e.second
             << "]";
}

Entry Preset(std::string name, std::string l, std::string rs) { return {false, name, l, rs}; }
Entry InitLoad(std::string c, std::string rl) { return {true, "_init_load", c, rl}; }

// Reads `bytes` fed in chunks of `chunk` bytes; the result must not depend on it.
std::vector<Entry> Read(const std::string& bytes, std::size_t chunk) {
  std::vector<Entry> entries;
  PresetFileReader reader([&](const PresetEntry& e) {
    entries.push_back({e.initLoad, std::string(e.name), std::string(e.first), std::string(e.second)});
  });
  for (std::size_t at = 0; at < bytes.size(); at += chunk)
    reader.Feed(std::string_view(bytes).substr(at, chunk));
  reader.Finish();
  return entries;
}

struct ReadCase {
  const char* label;
  std::string bytes;
  std::vector<Entry> expected;
};

std::string Repeat(char c, std::size_t n) { return std::string(n, c); }

const std::string kLong62 = Repeat('x', 62);

class PresetFileRead : public testing::TestWithParam<ReadCase> {};

TEST_P(PresetFileRead, GivesTheEntries) {
  const ReadCase& c = GetParam();
  EXPECT_EQ(Read(c.bytes, c.bytes.size() + 1), c.expected);
  EXPECT_EQ(Read(c.bytes, 1), c.expected) << "fed byte by byte";
  EXPECT_EQ(Read(c.bytes, 7), c.expected) << "fed in chunks of 7";
}

INSTANTIATE_TEST_SUITE_P(
    Lines, PresetFileRead,
    testing::Values(
        ReadCase{"ExampleFile",
                 "/ cartridges: name, quote, L, RS\nExample MM\"550m 1.1k\n_init_load\" 200p  47k\n"
                 "this line has no quote and is skipped\n",
                 {Preset("Example MM", "550m", "1.1k"), InitLoad("200p", "47k")}},
        ReadCase{"Crlf", "A\"1m 2\r\n_init_load\"3p 4k\r\n", {Preset("A", "1m", "2"), InitLoad("3p", "4k")}},
        // A UTF-8 byte-order mark is skipped before the first line only; a
        // part of one is text, at the end of the input too.
        ReadCase{"ByteOrderMark", "\xEF\xBB\xBF_init_load\"1n 10k\r\n", {InitLoad("1n", "10k")}},
        ReadCase{"ByteOrderMarkBefore62",
                 "\xEF\xBB\xBF" + Repeat('n', 57) + "\"1m 2\n",
                 {Preset(Repeat('n', 57), "1m", "2")}},
        ReadCase{"ByteOrderMarkOnlyFirst",
                 "A\"1m 2\n\xEF\xBB\xBF_init_load\"1n 10k\n",
                 {Preset("A", "1m", "2"), Preset("\xEF\xBB\xBF_init_load", "1n", "10k")}},
        ReadCase{"PartOfAMarkIsText", "\xEF\xBBX\"1m 2\n\xEF\xBB", {Preset("\xEF\xBBX", "1m", "2")}},
        ReadCase{"NoFinalNewline", "A\"1m 2", {Preset("A", "1m", "2")}},
        ReadCase{"CrAtEndOfFile", "A\"1m 2\r", {Preset("A", "1m", "2")}},
        ReadCase{"LoneCrIsText", "A\"1m 2\r3\n", {Preset("A", "1m", "2\r3")}},
        ReadCase{"TabsAndExtraValues", "A\"\t1m\t \t2 3 4\n", {Preset("A", "1m", "2")}},
        ReadCase{"NameKeepsSpaces", "  A b \"1m 2\n", {Preset("  A b ", "1m", "2")}},
        ReadCase{"EmptyName", "\"1m 2\n", {Preset("", "1m", "2")}},
        ReadCase{"SecondQuoteBelongsToValues", "A\"1m\" 2\"\n", {Preset("A", "1m\"", "2\"")}},
        ReadCase{"InitLoadNeedsExactName",
                 "_init_load \"1p 2\n_INIT_LOAD\"3p 4\n",
                 {Preset("_init_load ", "1p", "2"), Preset("_INIT_LOAD", "3p", "4")}},
        ReadCase{"OneValueOrNoneSkipped", "A\"1m\nB\"\nC\"  \t\n", {}},
        ReadCase{"CommentWithQuote", "/A\"1m 2\n", {}},
        ReadCase{"Value15Kept", "A\"123456789012345 2\n", {Preset("A", "123456789012345", "2")}},
        // Characters count, not bytes: 14 digits and a UTF-8 micro sign are 15.
        ReadCase{
            "Utf8Value15Kept", "A\"12345678901234\xC2\xB5 2\n", {Preset("A", "12345678901234\xC2\xB5", "2")}},
        ReadCase{"Utf8Value16Skipped", "A\"123456789012345\xC2\xB5 2\n", {}},
        ReadCase{"Value16Skipped", "A\"0.000000000000251 2\nB\"1 1234567890123456\n", {}},
        ReadCase{"Value100Skipped", "A\"" + Repeat('9', 100) + " 2\nB\"1 " + Repeat('9', 100) + "\n", {}},
        ReadCase{"InitLoadValue16Skipped", "_init_load\"0.000000000000251 2\n", {}},
        ReadCase{"NulEndsTheText", std::string("A\"1m\0 2\nB\"3m 4\n", 15), {Preset("B", "3m", "4")}},
        // The 62nd character ends a piece; its rest is a line of its own.
        ReadCase{
            "CommentRemainderIsALine", "/" + Repeat('c', 61) + "Rest\"5m 6\n", {Preset("Rest", "5m", "6")}},
        ReadCase{"Line62ReadWhole", Repeat('n', 57) + "\"1m 2\r\n", {Preset(Repeat('n', 57), "1m", "2")}},
        ReadCase{
            "Line63CutsTheLastValue", Repeat('n', 57) + "\"1m 23\n", {Preset(Repeat('n', 57), "1m", "2")}},
        ReadCase{"Name61HasNoRoomForValues", Repeat('n', 61) + "\"1m 2\n", {}},
        ReadCase{"CrlfAfter61",
                 "B\"1 " + Repeat(' ', 56) + "2\r\nC\"3 4\n",
                 {Preset("B", "1", "2"), Preset("C", "3", "4")}},
        ReadCase{"CrlfAfter62",
                 "B\"1 " + Repeat(' ', 57) + "2\r\nC\"3 4\n",
                 {Preset("B", "1", "2"), Preset("C", "3", "4")}}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.label); });

TEST(PresetFileRead, LineOf100000CharactersIsReadInPieces) {
  // Every piece of the long line holds a preset; a piece starting with the
  // line's own text shows the cut falls every 62 characters.
  std::string piece = "P\"1m 2";
  piece += Repeat(' ', 62 - piece.size());
  std::string line;
  while (line.size() + 62 <= 100000) line += piece;
  line += Repeat('z', 100000 - line.size());
  const auto entries = Read(line + "\nlast\"3 4\n", 4096);
  ASSERT_EQ(entries.size(), 100000 / 62 + 1);
  EXPECT_EQ(entries.front(), Preset("P", "1m", "2"));
  EXPECT_EQ(entries.back(), Preset("last", "3", "4"));
}

TEST(PresetFileRead, BinaryJunkNeverYieldsOverlongParts) {
  std::string junk;
  unsigned state = 12345;
  for (int i = 0; i < 200000; ++i) {
    state = state * 1103515245u + 12345u;
    junk += static_cast<char>(state >> 16);
  }
  std::size_t count = 0;
  PresetFileReader reader([&](const PresetEntry& e) {
    ++count;
    EXPECT_LE(e.name.size(), 61u);
    EXPECT_LE(e.first.size(), kPresetValueLength);
    EXPECT_LE(e.second.size(), kPresetValueLength);
    EXPECT_EQ(e.name.find('"'), std::string_view::npos);
    EXPECT_EQ(e.name.find('\0'), std::string_view::npos);
  });
  reader.Feed(junk);
  reader.Finish();
  EXPECT_GT(count, 0u);
}

TEST(PresetFileRead, MissingFileIsReported) {
  EXPECT_FALSE(ReadPresetFile("/nonexistent-folder/varnholt.txt", [](const PresetEntry&) {}));
}

}  // namespace
