#include "SolverTestView.h"
#include "circuit/Calculate.h"
#include "circuit/Circuit.h"
#include "circuit/QuadraticSolver.h"
#include "circuit/SolverCommands.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(CandidateVerifies, RejectsWhatNoComponentCanBe) {
  struct Row {
    const char* name;
    double x, qt, qx;
    bool verifies;
  };
  const Row rows[] = {
      {"exact", 1.0, 1.0, 1.0, true},
      {"at_tolerance", 1.0, 1.0, 1.0009999, true},
      {"beyond_tolerance", 1.0, 1.0, 1.0011, false},
      {"below_tolerance", 1.0, 2.0, 1.997, false},
      {"nan_candidate", kNaN, 1.0, kNaN, false},
      {"nan_q_of_positive_candidate", 1.0, 1.0, kNaN, false},
      {"negative_with_matching_q", -3920.92, 5.0, 5.0, false},
      {"zero", 0.0, 1.0, 1.0, false},
  };
  for (const Row& row : rows) EXPECT_EQ(CandidateVerifies(row.x, row.qt, row.qx), row.verifies) << row.name;
}

TEST(QuadraticSolver, CFromQRootsAreBothCapacitancesSmallerFirst) {
  const QuadraticRoots roots = SolveQuadratic(CFromQCoefficients(0.3, 740, 47000, 1.331402));
  EXPECT_NEAR(roots.x1, 251e-12, 1e-15);
  EXPECT_NEAR(roots.x2, 296.421e-9, 1e-12);
  // Both satisfy the squared equation; only the first is tried and taken.
  EXPECT_EQ(SolveCFromQ(0.3, 740, 47000, 1.331402), roots.x1);
}

TEST(QuadraticSolver, RLFromQWithBothRootsNegativeFails) {
  const QuadraticCoefficients k = RLFromQCoefficients(0.34, 2430, 71e-9, 0.94);
  EXPECT_GT(k.a, 0.0);
  const QuadraticRoots roots = SolveQuadratic(k);
  EXPECT_NEAR(roots.x1, -18225.7, 0.1);
  EXPECT_NEAR(roots.x2, -2592.5, 0.1);
  EXPECT_NEAR(QualityFactor(0.34, 2430, 71e-9, roots.x1), -0.94, 1e-9);
  EXPECT_FALSE(SolveRLFromQ(0.34, 2430, 71e-9, 0.94));
}

TEST(QuadraticSolver, NoRealRootFails) {
  // Above the reachable maximum 0.5 * sqrt(1 + RL / RS), about 4.016.
  EXPECT_TRUE(std::isnan(SolveQuadratic(CFromQCoefficients(0.3, 740, 47000, 5)).x1));
  EXPECT_FALSE(SolveCFromQ(0.3, 740, 47000, 5));
  EXPECT_TRUE(SolveCFromQ(0.3, 740, 47000, 4.0));
  EXPECT_FALSE(SolveRLFromQ(0.34, 2430, 100e-9, 0.94));
}

enum class Sought { C, RL };

struct FromQRow {
  const char* name;
  Sought sought;
  const char* l;
  const char* rs;
  const char* other;  // RL when solving C, C when solving RL
  const char* q;
  const char* message;  // nullptr: success
  const char* result;   // the solved field's text on success
  const char* f;        // F field afterwards
  const char* qAfter;   // Q field afterwards
};

// Failures name the row, not its bytes.
void PrintTo(const FromQRow& row, std::ostream* os) { *os << row.name; }

class OptimizeFromQ : public testing::TestWithParam<FromQRow> {};

TEST_P(OptimizeFromQ, SolvesOrLeavesTheFieldsAlone) {
  const FromQRow& row = GetParam();
  g_circuit = CircuitValues{};
  g_circuit.F = 1000.0;  // what an earlier command left
  SolverTestView view;
  const Field sought = row.sought == Sought::C ? Field::C : Field::RL;
  const Field other = row.sought == Sought::C ? Field::RL : Field::C;
  view.Set(Field::L, row.l);
  view.Set(Field::RS, row.rs);
  view.Set(other, row.other);
  view.Set(sought, "user's");
  view.Set(Field::F, "old F");
  view.Set(Field::Q, row.q);

  if (row.sought == Sought::C) {
    RunOptimizeCFromQ(view);
  } else {
    RunOptimizeRLFromQ(view);
  }

  if (row.message) {
    ExpectRefusedWith(view, row.message);
    EXPECT_EQ(g_circuit.F, 1000.0);
    return;
  }
  EXPECT_TRUE(view.messages.empty());
  // The record's F first, then the solved value, then Calculate's F and Q.
  ASSERT_EQ(view.written.size(), 4u);
  EXPECT_EQ(view.written[0], std::make_pair(Field::F, std::string("1k")));
  EXPECT_EQ(view.written[1], std::make_pair(sought, std::string(row.result)));
  EXPECT_EQ(view.fields[Field::F], row.f);
  EXPECT_EQ(view.fields[Field::Q], row.qAfter);
  // Calculate's curve, then the plot step with the record's F and Q.
  ASSERT_EQ(view.curves.size(), 2u);
  EXPECT_EQ(view.curves[1].F, g_circuit.F);
  EXPECT_EQ(view.curves[1].Q, g_circuit.Q);
  EXPECT_TRUE(view.curves[1].current);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OptimizeFromQ,
    testing::Values(FromQRow{"c_defaults", Sought::C, "300m", "740", "47k", "1.331402", nullptr, "251p",
                             "18.4848k", "1.331402"},
                    FromQRow{"c_smaller_root", Sought::C, "300m", "740", "47k", "0.7", nullptr, "66.529p",
                             "35.9043k", "0.700000"},
                    FromQRow{"rl_defaults", Sought::RL, "300m", "740", "251p", "1.331402", nullptr, "47k",
                             "18.4848k", "1.331402"},
                    FromQRow{"c_empty_q", Sought::C, "300m", "740", "47k", "", kInputErrorText, nullptr,
                             nullptr, nullptr},
                    FromQRow{"rl_zero_l", Sought::RL, "0", "740", "251p", "1.331402", kInputErrorText,
                             nullptr, nullptr, nullptr},
                    FromQRow{"c_above_reachable_q", Sought::C, "300m", "740", "47k", "5", kNotVerifiedText,
                             nullptr, nullptr, nullptr},
                    FromQRow{"rl_no_real_root", Sought::RL, "340m", "2.43k", "100n", "0.94", kNotVerifiedText,
                             nullptr, nullptr, nullptr},
                    FromQRow{"rl_both_roots_negative", Sought::RL, "340m", "2.43k", "71n", "0.94",
                             kNotVerifiedText, nullptr, nullptr, nullptr}),
    [](const testing::TestParamInfo<FromQRow>& info) { return std::string(info.param.name); });

TEST(OptimizeFromQInputs, AreStoredEvenWhenRejected) {
  g_circuit = CircuitValues{};
  SolverTestView view;
  view.SetComponents("300m", "740", "251p", "47k");
  view.Set(Field::Q, "");
  RunOptimizeCFromQ(view);
  ASSERT_EQ(view.messages.size(), 1u);
  // All four inputs are stored, the empty Q as 0.
  EXPECT_EQ(g_circuit.L, 0.3);
  EXPECT_EQ(g_circuit.RS, 740.0);
  EXPECT_EQ(g_circuit.RL, 47000.0);
  EXPECT_EQ(g_circuit.Q, 0.0);
  EXPECT_EQ(g_circuit.C, 0.0);  // not an input of this command
}

}  // namespace
