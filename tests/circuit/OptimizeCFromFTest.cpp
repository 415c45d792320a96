#include "SolverTestView.h"
#include "circuit/Calculate.h"
#include "circuit/Circuit.h"
#include "circuit/FrequencySolver.h"
#include "circuit/SolverCommands.h"
#include "engnum/EngValue.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

TEST(CapacitanceForFrequency, GivesTheWantedFrequencyBack) {
  const double targets[] = {20.0, 1000.0, 18484.807061630512, 20000.0, 1e6};
  for (double ft : targets) {
    const double C = CapacitanceForFrequency(0.3, 740, 47000, ft);
    EXPECT_NEAR(ResonantFrequency(0.3, 740, C, 47000) / ft, 1.0, 1e-14) << ft;
  }
}

struct FromFRow {
  const char* name;
  const char* f;
  const char* q;        // not an input: any text does
  const char* message;  // nullptr: success
  const char* c;        // C field afterwards
  const char* fAfter;   // F field afterwards
  const char* qAfter;   // Q field afterwards
};

// Failures name the row, not its bytes.
void PrintTo(const FromFRow& row, std::ostream* os) { *os << row.name; }

class OptimizeCFromF : public testing::TestWithParam<FromFRow> {};

TEST_P(OptimizeCFromF, SolvesOrLeavesTheFieldsAlone) {
  const FromFRow& row = GetParam();
  g_circuit = CircuitValues{};
  g_circuit.Q = 0.5;
  SolverTestView view;
  view.SetComponents("300m", "740", "user's", "47k");
  view.Set(Field::F, row.f);
  view.Set(Field::Q, row.q);

  RunOptimizeCFromF(view);

  EXPECT_EQ(view.fields[Field::C], row.c);
  EXPECT_EQ(view.fields[Field::F], row.fAfter);
  EXPECT_EQ(view.fields[Field::Q], row.qAfter);
  if (row.message) {
    EXPECT_EQ(g_circuit.F, ParseEngValue(row.f));  // stored as read
    ExpectRefusedWith(view, row.message);
    EXPECT_EQ(g_circuit.Q, 0.5);
    return;
  }
  EXPECT_TRUE(view.messages.empty());
  // The wanted F in engineering form first, then C, then Calculate's F and Q.
  ASSERT_EQ(view.written.size(), 4u);
  EXPECT_EQ(view.written[0].first, Field::F);
  EXPECT_EQ(view.written[0].second, row.fAfter);
  EXPECT_EQ(view.written[1].first, Field::C);
  ASSERT_EQ(view.curves.size(), 2u);
  EXPECT_EQ(view.curves[1].F, g_circuit.F);
  EXPECT_EQ(view.curves[1].Q, g_circuit.Q);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OptimizeCFromF,
    testing::Values(FromFRow{"f_20k", "20k", "", nullptr, "214.409p", "20k", "1.235628"},
                    FromFRow{"f_typed_in_full", "20000", "", nullptr, "214.409p", "20k", "1.235628"},
                    FromFRow{"f_10k", "10k", "", nullptr, "857.637p", "10k", "2.303638"},
                    FromFRow{"junk_in_q", "20k", "junk", nullptr, "214.409p", "20k", "1.235628"},
                    FromFRow{"empty_f", "", "1", kInputErrorText, "user's", "", "1"},
                    FromFRow{"zero_f", "0", "1", kInputErrorText, "user's", "0", "1"},
                    // C underflows to 0 or overflows: refused like an unverified solution.
                    FromFRow{"huge_f", "1e200", "1", kNotVerifiedText, "user's", "1e200", "1"},
                    FromFRow{"tiny_f", "1e-200", "1", kNotVerifiedText, "user's", "1e-200", "1"}),
    [](const testing::TestParamInfo<FromFRow>& info) { return std::string(info.param.name); });

TEST(OptimizeCFromFPlot, ExtremeButFiniteSolutionsStillSolve) {
  // Only a C of 0 or infinity is refused; a far-fetched but finite C is shown,
  // calculated and plotted as any other.
  for (const char* f : {"1e-150", "1e150"}) {
    g_circuit = CircuitValues{};
    SolverTestView view;
    view.SetComponents("300m", "740", "251p", "47k");
    view.Set(Field::F, f);
    RunOptimizeCFromF(view);
    EXPECT_TRUE(view.messages.empty()) << f;
    EXPECT_GT(ParseEngValue(view.fields[Field::C].c_str()), 0.0) << f;
    ASSERT_EQ(view.curves.size(), 2u) << f;
    EXPECT_EQ(view.curves[1].F, g_circuit.F) << f;
    EXPECT_TRUE(view.curves[1].current) << f;
  }
}

}  // namespace
