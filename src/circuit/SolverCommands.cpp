#include "SolverCommands.h"

#include "Calculate.h"
#include "Circuit.h"
#include "CommandView.h"
#include "FrequencySolver.h"
#include "FullOptimization.h"
#include "QuadraticSolver.h"
#include "engnum/EngValue.h"

#include <cmath>
#include <initializer_list>
#include <optional>

namespace {

// Reads one field into its slot of the record at once; true when usable.
bool ReadInput(CommandView& view, Field field, double& slot) {
  slot = ParseEngValue(view.GetFieldText(field, kMaxFieldText).c_str());
  return slot > 0.0;  // false for not-a-number too
}

bool ReadRequiredInput(CommandView& view, Field field, double& slot) {
  if (ReadInput(view, field, slot)) return true;
  view.MarkUnusable(field);
  return false;
}

struct Input {
  Field field;
  double& slot;
};

// Every field is read and stored, even after one has failed.
bool ReadInputs(CommandView& view, std::initializer_list<Input> inputs) {
  bool ok = true;
  for (const Input& input : inputs) ok = ReadRequiredInput(view, input.field, input.slot) && ok;
  if (!ok) view.ShowMessage(kInputErrorText, kInputErrorCaption);
  return ok;
}

// Calculate reads the fields back, so F, Q and the curve follow the six-digit
// values shown; the plot gets the record's F and Q whatever Calculate did.
void CalculateAndShowCurve(CommandView& view) {
  RunCalculate(view);
  view.ShowCurve(g_circuit.F, g_circuit.Q, true);
}

}  // namespace

void RunOptimizeCFromQ(CommandView& view) {
  CircuitValues& r = g_circuit;
  if (!ReadInputs(view, {{Field::L, r.L}, {Field::RS, r.RS}, {Field::RL, r.RL}, {Field::Q, r.Q}})) return;
  const std::optional<double> C = SolveCFromQ(r.L, r.RS, r.RL, r.Q);
  if (!C) {
    view.ShowMessage(kNotVerifiedText, nullptr);
    return;
  }
  view.SetFieldText(Field::F, FormatEngValue(r.F, 6));
  view.SetFieldText(Field::C, FormatEngValue(*C, 6));
  CalculateAndShowCurve(view);
}

void RunOptimizeRLFromQ(CommandView& view) {
  CircuitValues& r = g_circuit;
  if (!ReadInputs(view, {{Field::L, r.L}, {Field::RS, r.RS}, {Field::C, r.C}, {Field::Q, r.Q}})) return;
  const std::optional<double> RL = SolveRLFromQ(r.L, r.RS, r.C, r.Q);
  if (!RL) {
    view.ShowMessage(kNotVerifiedText, nullptr);
    return;
  }
  view.SetFieldText(Field::F, FormatEngValue(r.F, 6));
  view.SetFieldText(Field::RL, FormatEngValue(*RL, 6));
  CalculateAndShowCurve(view);
}

void RunOptimizeCFromF(CommandView& view) {
  CircuitValues& r = g_circuit;
  if (!ReadInputs(view, {{Field::L, r.L}, {Field::RS, r.RS}, {Field::RL, r.RL}, {Field::F, r.F}})) return;
  const double C = CapacitanceForFrequency(r.L, r.RS, r.RL, r.F);
  // An absurd F gives C = 0 or an infinite C, which no field could take back.
  if (!(C > 0.0) || !std::isfinite(C)) {
    view.ShowMessage(kNotVerifiedText, nullptr);
    return;
  }
  // The wanted F is shown back in engineering form until Calculate replaces it.
  view.SetFieldText(Field::F, FormatEngValue(r.F, 6));
  view.SetFieldText(Field::C, FormatEngValue(C, 6));
  CalculateAndShowCurve(view);
}

void RunFullOptimization(CommandView& view) {
  CircuitValues& r = g_circuit;
  bool ok = ReadRequiredInput(view, Field::L, r.L);
  ok = ReadRequiredInput(view, Field::RS, r.RS) && ok;
  // An unusable RL is no error: the iteration only needs somewhere to start.
  if (!ReadInput(view, Field::RL, r.RL)) r.RL = ParseEngValue("47k");
  ok = ReadRequiredInput(view, Field::F, r.F) && ok;
  ok = ReadRequiredInput(view, Field::Q, r.Q) && ok;
  if (!ok) {
    view.ShowMessage(kInputErrorText, kInputErrorCaption);
    return;
  }
  const std::optional<LoadPair> load = OptimizeCAndRL(r.L, r.RS, r.RL, r.F, r.Q);
  if (!load) {
    view.ShowMessage(kIterationFailedText, nullptr);
    return;
  }
  view.SetFieldText(Field::C, FormatEngValue(load->C, 6));
  view.SetFieldText(Field::RL, FormatEngValue(load->RL, 6));
  CalculateAndShowCurve(view);
}
