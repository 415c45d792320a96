#include "SolverTestView.h"
#include "circuit/Calculate.h"
#include "circuit/Circuit.h"
#include "circuit/FullOptimization.h"
#include "circuit/SolverCommands.h"
#include "engnum/EngValue.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace {

TEST(OptimizeCAndRL, SettlesOnThePairThatGivesBothTargets) {
  const double starts[] = {47000.0, 10000.0, 1e6};
  for (double rl0 : starts) {
    const std::optional<LoadPair> pair = OptimizeCAndRL(0.3, 740, rl0, 20000, 0.6);
    ASSERT_TRUE(pair) << rl0;
    EXPECT_NEAR(ResonantFrequency(0.3, 740, pair->C, pair->RL), 20000.0, 1e-6) << rl0;
    EXPECT_NEAR(QualityFactor(0.3, 740, pair->C, pair->RL), 0.6, 1e-9) << rl0;
  }
}

TEST(OptimizeCAndRL, FailsWhereNoPositivePairVerifies) {
  EXPECT_FALSE(OptimizeCAndRL(0.34, 2430, 47000, 1050, 0.94));  // both roots negative at once
  EXPECT_FALSE(OptimizeCAndRL(0.3, 740, 47000, 200, 1));        // no real root
  EXPECT_FALSE(OptimizeCAndRL(0.3, 740, 47000, 1000, 5));       // only a negative RL fits
}

struct FullRow {
  const char* name;
  const char* l;
  const char* rs;
  const char* c;  // not an input: any text does
  const char* rl;
  const char* f;
  const char* q;
  const char* message;  // nullptr: success
  const char* cAfter;
  const char* rlAfter;
  const char* fAfter;
  const char* qAfter;
};

// Failures name the row, not its bytes.
void PrintTo(const FullRow& row, std::ostream* os) { *os << row.name; }

class FullOptimization : public testing::TestWithParam<FullRow> {};

TEST_P(FullOptimization, SolvesOrLeavesTheFieldsAlone) {
  const FullRow& row = GetParam();
  g_circuit = CircuitValues{};
  SolverTestView view;
  view.SetComponents(row.l, row.rs, row.c, row.rl);
  view.Set(Field::F, row.f);
  view.Set(Field::Q, row.q);

  RunFullOptimization(view);

  EXPECT_EQ(view.fields[Field::C], row.cAfter);
  EXPECT_EQ(view.fields[Field::RL], row.rlAfter);
  EXPECT_EQ(view.fields[Field::F], row.fAfter);
  EXPECT_EQ(view.fields[Field::Q], row.qAfter);
  if (row.message) {
    ExpectRefusedWith(view, row.message);
    return;
  }
  EXPECT_TRUE(view.messages.empty());
  // C and RL, then Calculate's F and Q.
  ASSERT_EQ(view.written.size(), 4u);
  EXPECT_EQ(view.written[0].first, Field::C);
  EXPECT_EQ(view.written[1].first, Field::RL);
  ASSERT_EQ(view.curves.size(), 2u);
  EXPECT_EQ(view.curves[1].F, g_circuit.F);
  EXPECT_EQ(view.curves[1].Q, g_circuit.Q);
}

constexpr const char* kFailed = kIterationFailedText;
constexpr const char* kInput = kInputErrorText;

INSTANTIATE_TEST_SUITE_P(
    Rows, FullOptimization,
    testing::Values(
        FullRow{"f20k_q06", "300m", "740", "251p", "47k", "20k", "0.6", nullptr, "218.138p", "22.149k", "20k",
                "0.599999"},
        FullRow{"rl_empty", "300m", "740", "251p", "", "20k", "0.6", nullptr, "218.138p", "22.149k", "20k",
                "0.599999"},
        FullRow{"rl_10k", "300m", "740", "251p", "10k", "20k", "0.6", nullptr, "218.138p", "22.149k", "20k",
                "0.599999"},
        FullRow{"rl_1M", "300m", "740", "251p", "1M", "20k", "0.6", nullptr, "218.138p", "22.149k", "20k",
                "0.599999"},
        FullRow{"c_empty", "300m", "740", "", "47k", "20k", "0.6", nullptr, "218.138p", "22.149k", "20k",
                "0.599999"},
        FullRow{"defaults", "300m", "740", "1n", "47k", "18.4848k", "1.331402", nullptr, "251p", "47k",
                "18.4848k", "1.331402"},
        FullRow{"both_roots_negative", "340m", "2.43k", "251p", "47k", "1.05k", "0.94", kFailed, "251p",
                "47k", "1.05k", "0.94"},
        FullRow{"no_real_root", "300m", "740", "251p", "47k", "200", "1", kFailed, "251p", "47k", "200", "1"},
        FullRow{"drifts_to_negative_rl", "300m", "740", "251p", "47k", "1k", "5", kFailed, "251p", "47k",
                "1k", "5"},
        FullRow{"empty_f", "300m", "740", "251p", "", "", "0.6", kInput, "251p", "", "", "0.6"},
        FullRow{"empty_q", "300m", "740", "251p", "", "20k", "", kInput, "251p", "", "20k", ""},
        FullRow{"zero_rs", "300m", "0", "251p", "47k", "20k", "0.6", kInput, "251p", "47k", "20k", "0.6"}),
    [](const testing::TestParamInfo<FullRow>& info) { return std::string(info.param.name); });

TEST(FullOptimizationInputs, UnusableRLStartsFrom47kWithoutError) {
  const char* const rls[] = {"", "abc", "0", "-5k"};
  for (const char* rl : rls) {
    g_circuit = CircuitValues{};
    SolverTestView view;
    view.SetComponents("300m", "740", "251p", rl);
    view.Set(Field::F, "");  // stops the command right after reading
    view.Set(Field::Q, "0.6");
    RunFullOptimization(view);
    EXPECT_EQ(g_circuit.RL, ParseEngValue("47k")) << rl;
    EXPECT_EQ(g_circuit.Q, 0.6) << rl;
    EXPECT_EQ(g_circuit.C, 0.0) << rl;  // not an input
  }
}

}  // namespace
