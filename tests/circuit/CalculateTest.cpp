#include "circuit/Calculate.h"

#include "circuit/Circuit.h"
#include "engnum/EngValue.h"
#include "support/FakeCommandView.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class CalculateTest : public testing::Test {
 protected:
  void SetUp() override { g_circuit = CircuitValues{}; }
  FakeCommandView view;
};

TEST_F(CalculateTest, DefaultsGiveFQAndACurrentCurve) {
  view.SetComponents("300m", "740", "251p", "47k");
  RunCalculate(view);
  EXPECT_TRUE(view.messages.empty());
  EXPECT_EQ(view.fields[Field::F], "18.4848k");
  EXPECT_EQ(view.fields[Field::Q], "1.331402");
  ASSERT_EQ(view.curves.size(), 1u);
  EXPECT_EQ(view.curves[0].F, 18484.807061630512);
  EXPECT_EQ(view.curves[0].Q, 1.3314016810396694);
  EXPECT_TRUE(view.curves[0].current);
  EXPECT_EQ(g_circuit.F, 18484.807061630512);
  EXPECT_EQ(g_circuit.Q, 1.3314016810396694);
}

struct BadInput {
  const char* name;
  const char* l;
  const char* rs;
  const char* c;
  const char* rl;
};

class CalculateRejects : public testing::TestWithParam<BadInput> {};

TEST_P(CalculateRejects, OnceAndChangesNothingVisible) {
  g_circuit = CircuitValues{};
  g_circuit.F = 123.0;
  g_circuit.Q = 0.5;
  FakeCommandView view;
  const BadInput& row = GetParam();
  view.SetComponents(row.l, row.rs, row.c, row.rl);
  view.fields[Field::F] = "old F";
  view.fields[Field::Q] = "old Q";
  RunCalculate(view);
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].text, "Input error:\nCheck entries.\nZero disallowed for inputs");
  EXPECT_EQ(view.messages[0].caption, "Error");
  EXPECT_TRUE(view.writes.empty());
  EXPECT_TRUE(view.curves.empty());
  EXPECT_EQ(g_circuit.F, 123.0);
  EXPECT_EQ(g_circuit.Q, 0.5);
  // All four inputs are stored, the rejected ones included.
  EXPECT_EQ(g_circuit.L, ParseEngValue(row.l));
  EXPECT_EQ(g_circuit.RL, ParseEngValue(row.rl));
}

INSTANTIATE_TEST_SUITE_P(Fields, CalculateRejects,
                         testing::Values(BadInput{"empty_L", "", "740", "251p", "47k"},
                                         BadInput{"zero_RS", "300m", "0", "251p", "47k"},
                                         BadInput{"negative_C", "300m", "740", "-1k", "47k"},
                                         BadInput{"letters_RL", "300m", "740", "251p", "abc"},
                                         BadInput{"leading_space", " 300m", "740", "251p", "47k"},
                                         BadInput{"all_bad", "", "0", "-1", "x"}),
                         [](const testing::TestParamInfo<BadInput>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(CalculateTest, OnlyTheFirst30CharactersOfAFieldCount) {
  // 30 characters of digits followed by a prefix that is never seen.
  view.SetComponents("300m", "740", "251p", "000000000000000000000000047000k");
  RunCalculate(view);
  EXPECT_EQ(g_circuit.RL, 47000.0);
  EXPECT_EQ(view.fields[Field::F], "18.4848k");
}

TEST_F(CalculateTest, UpperCaseEIsExa) {
  view.SetComponents("300m", "740", "251p", "1E3");
  RunCalculate(view);
  EXPECT_TRUE(view.messages.empty());
  EXPECT_EQ(g_circuit.RL, 1e18);
}

TEST_F(CalculateTest, HugeQIsWrittenWholeInFixedNotation) {
  // Q is about RL * sqrt(C / L) when RS * RL * C is small against L.
  view.SetComponents("1k", "1e-30", "1", "1e30");
  RunCalculate(view);
  ASSERT_TRUE(view.messages.empty());
  EXPECT_GE(g_circuit.Q, 1e25);
  const std::string& q = view.fields[Field::Q];
  EXPECT_EQ(q.find('e'), std::string::npos) << q;
  EXPECT_EQ(q.substr(q.size() - 7), "." + q.substr(q.size() - 6));
  EXPECT_GT(q.size(), 30u);
}

}  // namespace
