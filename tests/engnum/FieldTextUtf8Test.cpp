#include "engnum/FieldTextUtf8.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Field bytes and their UTF-8: the micro sign is byte 0xB5 on one side and
// U+00B5 on the other, and every other byte keeps its Latin-1 meaning.
TEST(FieldTextUtf8, BothWays) {
  const struct {
    std::string bytes, utf8;
  } rows[] = {
      {"", ""},
      {"47k", "47k"},
      {"12\xB5", "12\xC2\xB5"},
      {"0\xB0 \xFF\x80", "0\xC2\xB0 \xC3\xBF\xC2\x80"},
      {std::string("a\0b", 3), std::string("a\0b", 3)},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(FieldBytesToUtf8(row.bytes), row.utf8) << row.utf8;
    if (row.bytes.find('\0') == std::string::npos) {
      EXPECT_EQ(Utf8ToFieldBytes(row.utf8), row.bytes) << row.utf8;
      EXPECT_EQ(FieldBytesLength(row.utf8), row.bytes.size()) << row.utf8;
    }
  }
}

// What typing or a preset file gives that the fields cannot hold as it is.
TEST(FieldTextUtf8, ToFieldBytesAsTyped) {
  const struct {
    std::string utf8, bytes;
  } rows[] = {
      {"12\xCE\xBC", "12\xB5"},              // Greek small mu is micro
      {"1\xE2\x80\xAFk", "1?k"},             // beyond Latin-1
      {"\xF0\x9F\x8E\xB5", "?"},             // four bytes, one character
      {std::string("a\0", 2), "a?"},         // NUL ends no field early
      {"Caf\xE9 12\xB5", "Caf\xE9 12\xB5"},  // not UTF-8: Windows bytes as they are
      {"\xC0\xB5", "\xC0\xB5"},              // overlong, so not UTF-8
  };
  for (const auto& row : rows) EXPECT_EQ(Utf8ToFieldBytes(row.utf8), row.bytes) << row.utf8;
}

TEST(FieldTextUtf8, AppendUtf8EncodesEveryLength) {
  std::string out;
  for (const char32_t code : {U'A', U'\u00B5', U'\u2225', U'\U0001F3B5'}) AppendUtf8(out, code);
  EXPECT_EQ(out, "A\xC2\xB5\xE2\x88\xA5\xF0\x9F\x8E\xB5");
  EXPECT_TRUE(IsValidUtf8(out));
}

}  // namespace
