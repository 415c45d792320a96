#include "Report.h"
#include "ValueArgument.h"
#include "engnum/EngValue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(CsvField, QuotesOnlyWhatNeedsIt) {
  const struct {
    const char* in;
    const char* out;
  } rows[] = {{"plain", "plain"},
              {"a,b", "\"a,b\""},
              {"say \"hi\"", "\"say \"\"hi\"\"\""},
              {"\"", "\"\"\"\""},
              {"line\nbreak", "\"line\nbreak\""},
              {"cr\r", "\"cr\r\""},
              {"tab\t", "\"tab\t\""},
              {"", ""},
              {"it's", "it's"}};
  for (const auto& row : rows) EXPECT_EQ(CsvField(row.in), row.out) << row.in;
}

TEST(CheckValue, ReadsAWholeArgumentStrictly) {
  EXPECT_EQ(CheckValue("--L", "12\xCE\xBC", true), ParseEngValue("12u"));   // Greek mu as micro
  EXPECT_EQ(CheckValue("--L", std::string(29, '0') + "1k", true), 1000.0);  // never cut
  EXPECT_EQ(CheckValue("--RL", "0", false), 0.0);
}

// A field must read the argument as the strict reader does.
TEST(CheckValue, FieldTextReadsAsTheArgument) {
  const struct {
    const char* argument;
    const char* field;
  } rows[] = {{"47k", "47k"},
              {"1e3", "1e3"},
              {"12\xCE\xBC", "12\xB5"},
              {"2.51E-10", "2.51e-10"},
              {"2.5100000000000000000000000e-10", "2.51e-10"},
              {"0000000000000000000000000000000047k", "47000"}};
  for (const auto& row : rows) {
    const std::string field = ArgumentFieldText("--C", row.argument, true);
    EXPECT_EQ(field, row.field) << row.argument;
    EXPECT_EQ(ParseEngValue(field.c_str()), CheckValue("--C", row.argument, true)) << row.argument;
  }
}

}  // namespace
