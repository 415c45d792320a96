#include "CliView.h"
#include "Commands.h"
#include "ValueArgument.h"
#include "chain/Chain.h"
#include "circuit/Calculate.h"
#include "circuit/Circuit.h"
#include "circuit/ResponseFigures.h"

#include <cmath>
#include <complex>
#include <string>

namespace {

constexpr const char* kDefaultFrom = "10";
constexpr const char* kDefaultTo = "100k";
constexpr int kMaxPoints = 1000000;
constexpr int kDefaultPoints = 200;

double Frequency(const char* option, const std::optional<std::string>& argument, const char* fallback) {
  return CheckValue(option, argument ? *argument : std::string(fallback), true);
}

}  // namespace

int RunResponseCommand(const ResponseArgs& args, const NetworkArgs& a, const ChainArgs& chainArgs,
                       const Output& output) {
  const double from = Frequency("--from", args.from, kDefaultFrom);
  const double to = Frequency("--to", args.to, kDefaultTo);
  if (!(to > from)) throw UsageError("--to must be above --from");
  const int points =
      args.points ? CheckCount("--points", *args.points, 2, kMaxPoints, "200") : kDefaultPoints;

  // Everything is read and checked before the report starts.
  std::optional<ChainValues> chain;
  CliView view;
  if (chainArgs.Given()) {
    chain = ChainFromArguments(a, chainArgs);
  } else if (!CalculateCurve(view, a, output.err)) {
    return 1;
  }

  const auto writer = MakeReportWriter(
      output.format, {{"f_Hz", Style::Eng}, {"level_dB", Style::Db}, {"phase_deg", Style::Db}}, false,
      output.out);
  // Evenly spaced on a log scale; both ends exactly as given.
  const double ratio = to / from;
  for (int i = 0; i < points; ++i) {
    const double f = i == points - 1 ? to : from * std::pow(ratio, static_cast<double>(i) / (points - 1));
    if (chain) {
      // Normalised as the plot draws it: 0 dB and 0 degrees at the lowest frequencies.
      const double phase =
          std::arg(ChainTransfer(*chain, f) / ChainTransfer(*chain, 0.0)) * (180.0 / GetPi());
      writer->Row({Cell{f, {}}, Cell{ChainLevelDb(*chain, f), {}}, Cell{phase == 0.0 ? 0.0 : phase, {}}});
    } else {
      const double F = view.LastCurve()->F, Q = view.LastCurve()->Q;
      writer->Row({Cell{f, {}}, Cell{LevelDb(f, F, Q), {}}, Cell{PhaseDeg(f, F, Q), {}}});
    }
  }
  writer->Finish();
  return 0;
}
