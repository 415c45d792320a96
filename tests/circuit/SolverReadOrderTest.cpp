#include "SolverTestView.h"
#include "circuit/Calculate.h"
#include "circuit/Circuit.h"
#include "circuit/SolverCommands.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
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

// Before its input-error box a command names the fields it could not use, in
// the order read, so that a page can mark them; an unusable RL is no error for
// Full Optimization and is not named.
TEST(SolverCommands, NameTheFieldsTheyCouldNotUse) {
  struct Row {
    const char* name;
    void (*run)(CommandView&);
    std::vector<std::pair<Field, const char*>> typed;
    std::vector<Field> marked;
  };
  const std::vector<std::pair<Field, const char*>> good = {{Field::L, "300m"}, {Field::RS, "740"},
                                                           {Field::C, "251p"}, {Field::RL, "47k"},
                                                           {Field::F, "20k"},  {Field::Q, "0.7"}};
  const Row rows[] = {
      {"calculate_all_bad", RunCalculate, {}, {Field::L, Field::RS, Field::C, Field::RL}},
      {"calculate_zero_c", RunCalculate, {{Field::C, "0"}}, {Field::C}},
      {"c_from_q_negative_q", RunOptimizeCFromQ, {{Field::Q, "-1"}}, {Field::Q}},
      {"full_bad_rl_alone", RunFullOptimization, {{Field::RL, "abc"}}, {}},
      {"full_bad_rs_and_f", RunFullOptimization, {{Field::RS, "x"}, {Field::F, ""}}, {Field::RS, Field::F}},
      {"calculate_good", RunCalculate, {}, {}},
  };
  for (const Row& row : rows) {
    g_circuit = CircuitValues{};
    SolverTestView view;
    if (std::string(row.name) != "calculate_all_bad")
      for (const auto& [field, text] : good) view.Set(field, text);
    for (const auto& [field, text] : row.typed) view.Set(field, text);
    row.run(view);
    EXPECT_EQ(view.marked, row.marked) << row.name;
    EXPECT_EQ(view.messages.size(), row.marked.empty() ? 0u : 1u) << row.name;
  }
}

}  // namespace
