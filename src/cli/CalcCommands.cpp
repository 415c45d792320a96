#include "CliView.h"
#include "Commands.h"
#include "NetworkRow.h"
#include "ValueArgument.h"
#include "circuit/Calculate.h"
#include "circuit/Circuit.h"
#include "circuit/SolverCommands.h"
#include "engnum/FieldTextUtf8.h"
#include "plot/PlotReadout.h"
#include "presets/PresetCommands.h"

#include <initializer_list>
#include <string>

namespace {

struct Input {
  Field field;
  const char* option;
  const std::optional<std::string>& argument;
  const char* fallback;  // the window's start-up text; null: the option is required
  bool positive;
};

// Checks every input and fills its field, as a person types into the window.
void FillFields(CliView& view, std::initializer_list<Input> inputs) {
  for (const Input& input : inputs) {
    if (!input.argument && !input.fallback) throw UsageError(std::string(input.option) + " is required");
    const std::string argument = input.argument ? *input.argument : std::string(input.fallback);
    view.SetFieldText(input.field, ArgumentFieldText(input.option, argument, input.positive));
  }
  view.StartCommand();
}

int Report(const CliView& view, const Output& output) {
  if (view.Message()) {
    std::fprintf(output.err, "%s\n", view.Message()->c_str());
    return 1;
  }
  std::vector<Cell> cells;
  AppendNetworkCells(view, true, cells);
  if (RefuseNonFinite(NetworkColumns(), cells, output.err)) return 1;
  std::vector<Column> columns = NetworkColumns();
  // The plot's own words on the curve, as the window and the page give them.
  columns.push_back({"description", Style::Name});
  const CircuitValues& r = g_circuit;
  const std::optional<CliView::Curve>& curve = view.LastCurve();
  cells.push_back({{},
                   FieldBytesToUtf8(PlotDescription(
                       MakeResponsePlotView(true, curve ? curve->F : r.F, curve ? curve->Q : r.Q)))});
  const auto writer = MakeReportWriter(output.format, std::move(columns), true, output.out);
  writer->Row(cells);
  writer->Finish();
  return 0;
}

}  // namespace

void CalculateFromArguments(CliView& view, const NetworkArgs& a) {
  FillFields(view, {{Field::L, "--L", a.L, kDefaultL, true},
                    {Field::RS, "--RS", a.RS, kDefaultRS, true},
                    {Field::C, "--C", a.C, kDefaultC, true},
                    {Field::RL, "--RL", a.RL, kDefaultRL, true}});
  RunCalculate(view);
}

bool CalculateCurve(CliView& view, const NetworkArgs& args, std::FILE* err) {
  CalculateFromArguments(view, args);
  if (view.Message() || !view.LastCurve()) {
    std::fprintf(err, "%s\n", view.Message() ? view.Message()->c_str() : kInputErrorText);
    return false;
  }
  std::vector<Cell> cells;
  AppendNetworkCells(view, false, cells);
  return !RefuseNonFinite(NetworkColumns(), cells, err);
}

int RunCalcCommand(const NetworkArgs& a, const Output& output) {
  g_circuit = CircuitValues{};
  CliView view;
  CalculateFromArguments(view, a);
  return Report(view, output);
}

int RunSolveCommand(Solver solver, const NetworkArgs& a, const Output& output) {
  g_circuit = CircuitValues{};
  CliView view;
  const Input L{Field::L, "--L", a.L, kDefaultL, true};
  const Input RS{Field::RS, "--RS", a.RS, kDefaultRS, true};
  const Input C{Field::C, "--C", a.C, kDefaultC, true};
  const Input RL{Field::RL, "--RL", a.RL, kDefaultRL, true};
  const Input F{Field::F, "--F", a.F, nullptr, true};
  const Input Q{Field::Q, "--Q", a.Q, nullptr, true};
  switch (solver) {
    case Solver::CFromQ:
      FillFields(view, {L, RS, RL, Q});
      RunOptimizeCFromQ(view);
      break;
    case Solver::RLFromQ:
      FillFields(view, {L, RS, C, Q});
      RunOptimizeRLFromQ(view);
      break;
    case Solver::CFromF:
      FillFields(view, {L, RS, RL, F});
      RunOptimizeCFromF(view);
      break;
    case Solver::Full:
      // The iteration starts from any RL; one that is not positive starts it from 47k.
      FillFields(view, {L, RS, {Field::RL, "--RL", a.RL, kDefaultRL, false}, F, Q});
      RunFullOptimization(view);
      break;
  }
  return Report(view, output);
}
