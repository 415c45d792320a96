#include "engnum/FieldTextUtf8.h"
#include "engnum/QuotedText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Micro is byte 0xB5 on one side and U+00B5 on the other; every other byte
// keeps its Latin-1 meaning, so the way back gives the same bytes.
TEST(FieldTextUtf8, BothWays) {
  const struct {
    std::string bytes, utf8;
  } rows[] = {
      {"", ""}, {"47k", "47k"}, {"12\xB5", "12\xC2\xB5"}, {"0\xB0 \xFF\x80", "0\xC2\xB0 \xC3\xBF\xC2\x80"}};
  for (const auto& row : rows) {
    EXPECT_EQ(FieldBytesToUtf8(row.bytes), row.utf8);
    EXPECT_EQ(Utf8ToFieldBytes(row.utf8), row.bytes);
  }
  std::string out;
  for (const char32_t code : {U'A', U'\u2225', U'\U0001F3B5'}) AppendUtf8(out, code);
  EXPECT_EQ(out, "A\xE2\x88\xA5\xF0\x9F\x8E\xB5");
}

// What a message quotes can neither start an escape sequence nor break UTF-8.
TEST(QuotedText, ReplacesControlsAndBrokenBytesAndCuts) {
  const struct {
    std::string text;
    std::size_t max;
    std::string quoted;
  } rows[] = {
      {"1\xC3\xA9", 0, "\"1\xC3\xA9\""},
      {"\x1B[2J\x7F", 0, "\"\xEF\xBF\xBD[2J\xEF\xBF\xBD\""},
      {"a\xC2\x9B"
       "b\xC2\xA0",
       0,
       "\"a\xEF\xBF\xBD"
       "b\xC2\xA0\""},  // C1 goes, no-break space stays
      {"\xFF\xC3", 0, "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},
      {"\xC3\xA9\xC3\xA9\xC3\xA9", 2, "\"\xC3\xA9\xC3\xA9\xE2\x80\xA6\""},
      {"abc", 3, "\"abc\""},
  };
  for (const auto& row : rows) EXPECT_EQ(QuotedText(row.text, row.max), row.quoted) << row.text;
}

}  // namespace
