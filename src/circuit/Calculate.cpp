#include "Calculate.h"

#include "Circuit.h"
#include "CommandView.h"
#include "engnum/EngValue.h"
#include "engnum/NumberText.h"

void RunCalculate(CommandView& view) {
  struct Input {
    Field field;
    double* slot;
  };
  const Input inputs[] = {{Field::L, &g_circuit.L},
                          {Field::RS, &g_circuit.RS},
                          {Field::C, &g_circuit.C},
                          {Field::RL, &g_circuit.RL}};

  // Every field is read and stored, even after one has failed.
  bool error = false;
  for (const Input& input : inputs) {
    const double value = ParseEngValue(view.GetFieldText(input.field, kMaxFieldText).c_str());
    *input.slot = value;
    if (!(value > 0.0)) {
      view.MarkUnusable(input.field);
      error = true;
    }
  }
  if (error) {
    view.ShowMessage(kInputErrorText, kInputErrorCaption);
    return;
  }

  g_circuit.F = ResonantFrequency(g_circuit.L, g_circuit.RS, g_circuit.C, g_circuit.RL);
  g_circuit.Q = QualityFactor(g_circuit.L, g_circuit.RS, g_circuit.C, g_circuit.RL);

  view.SetFieldText(Field::F, FormatEngValue(g_circuit.F, 6));
  view.SetFieldText(Field::Q, FormatFixed(g_circuit.Q, 6));
  view.ShowCurve(g_circuit.F, g_circuit.Q, true);
}
