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

TEST(CheckValue, ReadsTheFieldsShareOfAnArgument) {
  EXPECT_EQ(CheckValue("--L", "12\xCE\xBC", true), ParseEngValue("12u"));  // Greek mu as micro
  // Only the 30 characters a command reads of a field count.
  EXPECT_EQ(CheckValue("--L", std::string(29, '0') + "1k", true), 1.0);
  EXPECT_EQ(CheckValue("--RL", "0", false), 0.0);
}

}  // namespace
