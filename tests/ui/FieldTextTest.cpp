#include "ui/FieldText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ToBytesCase {
  const char* name;
  QString text;
  std::size_t maxChars;
  std::string expected;
};

const ToBytesCase kToBytes[] = {
    {"Ascii", QStringLiteral("251p"), 30, "251p"},
    {"MicroSign", QStringLiteral("10\u00B5"), 30, "10\xB5"},
    {"GreekMuIsMicro", QStringLiteral("10\u03BC"), 30, "10\xB5"},
    {"Latin1Kept", QStringLiteral("\u00E9t\u00E9"), 30, "\xE9t\xE9"},
    // Characters beyond Latin-1 must not turn into digits or prefix letters.
    {"EuroSign", QStringLiteral("5\u20AC"), 30, "5?"},
    {"FullwidthDigit", QStringLiteral("\uFF15k"), 30, "?k"},
    {"MathKAbove", QStringLiteral("4\u212A"), 30, "4?"},
    {"SurrogatePairIsOneChar", QString::fromUtf8("1\xF0\x9F\x98\x80k"), 30, "1?k"},
    {"NulIsForeign", QString(QChar(0)) + QStringLiteral("5"), 30, "?5"},
    {"CutAtLimit", QStringLiteral("123456789"), 4, "1234"},
    {"LimitCountsCharacters",
     QString::fromUtf8("\xF0\x9F\x98\x80\xF0\x9F\x98\x80"
                       "12"),
     3, "??1"},
    {"Empty", QString(), 30, ""},
};

class FieldTextToBytes : public testing::TestWithParam<ToBytesCase> {};

TEST_P(FieldTextToBytes, OneBytePerCharacter) {
  const ToBytesCase& c = GetParam();
  EXPECT_EQ(ToFieldBytes(c.text, c.maxChars), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, FieldTextToBytes, testing::ValuesIn(kToBytes),
                         [](const testing::TestParamInfo<ToBytesCase>& info) { return info.param.name; });

TEST(FieldText, MicroByteShowsAsMicroSign) {
  EXPECT_EQ(FromFieldBytes("4.7\xB5"), QStringLiteral("4.7\u00B5"));
  EXPECT_EQ(ToFieldBytes(FromFieldBytes("4.7\xB5"), 30), "4.7\xB5");
}

}  // namespace
