#include "chain/ChainInput.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ChainInput, ReadsTexts) {
  const struct {
    ChainTexts texts;
    bool transformer;
    double N, Rp, Rsec;
  } table[] = {
      {{"10", "", "", "", "", ""}, true, 10, 0, 0},
      {{"1:10", "2.5", "40", "100p", "7.5k", "0.4"}, true, 10, 2.5, 7500},
      {{"1:0.5", "0", "0", "0", "", ""}, true, 0.5, 0, 0},
      {{"", "", "", "", "", "0.5"}, false, 1, 0, 0},
  };
  for (const auto& row : table) {
    const ChainReading r = ReadChainTexts(row.texts);
    EXPECT_EQ(r.problem, "") << row.texts.ratio;
    EXPECT_EQ(r.transformer, row.transformer);
    EXPECT_EQ(r.N, row.N);
    EXPECT_EQ(r.Rp, row.Rp);
    EXPECT_EQ(r.Rsec, row.Rsec);
  }
}

TEST(ChainInput, Refusals) {
  const struct {
    ChainTexts texts;
    ChainInput input;
    const char* message;
  } table[] = {
      {{"0", "", "", "", "", ""}, ChainInput::Ratio, "ratio must be greater than zero, not \"0\"."},
      {{"1:0", "", "", "", "", ""}, ChainInput::Ratio, "ratio must be greater than zero, not \"1:0\"."},
      {{"-10", "", "", "", "", ""}, ChainInput::Ratio, "ratio must be greater than zero, not \"-10\"."},
      {{"1:", "", "", "", "", ""},
       ChainInput::Ratio,
       "cannot read \"1:\" for ratio: no number after \"1:\"."},
      {{"1:10:1", "", "", "", "", ""}, ChainInput::Ratio, "cannot read \"1:10:1\" for ratio"},
      {{"2:10", "", "", "", "", ""}, ChainInput::Ratio, "cannot read \"2:10\" for ratio"},
      {{"1e999", "", "", "", "", ""}, ChainInput::Ratio, "cannot read \"1e999\" for ratio"},
      {{"10", "-1", "", "", "", ""}, ChainInput::Rp, "Rp must not be negative, not \"-1\"."},
      {{"10", "", "x", "", "", ""}, ChainInput::Rs2, "cannot read \"x\" for Rs2"},
      {{"10", "", "", "1\xB5x", "", ""}, ChainInput::C1, "cannot read \"1\xC2\xB5x\" for C1"},
      {{"10", "", "", "", "0", ""}, ChainInput::Rsec, "Rsec must be greater than zero, not \"0\"."},
      {{"10", "", "", "", "", "-0.4"}, ChainInput::Rated, "rated output must be greater than zero"},
      {{"", "2", "", "", "", ""}, ChainInput::Rp, "Rp belongs to a transformer: give its ratio too."},
      {{"", "", "", "", "1k", ""}, ChainInput::Rsec, "Rsec belongs to a transformer"},
      {{"10", "", "", "5 p", "", ""}, ChainInput::C1, "cannot read \"5 p\" for C1"},
  };
  for (const auto& row : table) {
    const ChainReading r = ReadChainTexts(row.texts);
    EXPECT_EQ(r.input, row.input) << row.message;
    EXPECT_EQ(r.problem.substr(0, std::string(row.message).size()), row.message);
  }
}

}  // namespace
