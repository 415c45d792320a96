#include "SolverTestView.h"
#include "circuit/Circuit.h"
#include "circuit/SolverCommands.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Each command reads its inputs in a fixed order and, with all of them bad,
// still reads every one before it gives up; Calculate's own reading of L, RS,
// C and RL follows only on success.
TEST(SolverCommands, ReadEveryInputInOrderEvenWhenAllAreBad) {
  struct Row {
    const char* name;
    void (*run)(CommandView&);
    std::vector<Field> order;
  };
  const Row rows[] = {
      {"c_from_q", RunOptimizeCFromQ, {Field::L, Field::RS, Field::RL, Field::Q}},
      {"rl_from_q", RunOptimizeRLFromQ, {Field::L, Field::RS, Field::C, Field::Q}},
      {"c_from_f", RunOptimizeCFromF, {Field::L, Field::RS, Field::RL, Field::F}},
      {"full", RunFullOptimization, {Field::L, Field::RS, Field::RL, Field::F, Field::Q}},
  };
  for (const Row& row : rows) {
    g_circuit = CircuitValues{};
    SolverTestView view;  // every field empty
    row.run(view);
    EXPECT_EQ(view.reads, row.order) << row.name;
    EXPECT_EQ(view.messages.size(), 1u) << row.name;
  }
}

}  // namespace
