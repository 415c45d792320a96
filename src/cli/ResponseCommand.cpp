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

double Frequency(const char* option, const std::optional<std::string>& argument, const char* fallback) {
  return CheckValue(option, argument ? *argument : std::string(fallback), true);
}

}  // namespace

int RunResponseCommand(const ResponseArgs& args, const NetworkArgs& a, const ChainArgs& chainArgs,
                       const Output& output) {
  const double from = Frequency("--from", args.from, kDefaultFrom);
  const double to = Frequency("--to", args.to, kDefaultTo);
  if (!(to > from)) throw UsageError("--to must be above --from");
  if (args.points < 2 || args.points > kMaxPoints)
    throw UsageError("--points must be from 2 to " + std::to_string(kMaxPoints));

  // Everything is read and checked before the report starts.
  std::optional<ChainValues> chain;
  std::optional<CliView::Curve> curve;
  if (chainArgs.Given()) {
    chain = ChainFromArguments(a, chainArgs);
  } else {
    CliView view;
    CalculateFromArguments(view, a);
    if (view.Message() || !view.LastCurve()) {
      std::fprintf(output.err, "%s\n", view.Message() ? view.Message()->c_str() : kInputErrorText);
      return 1;
    }
    curve = view.LastCurve();
  }

  const auto writer = MakeReportWriter(
      output.format, {{"f_Hz", Style::Eng}, {"level_dB", Style::Db}, {"phase_deg", Style::Db}}, false,
      output.out);
  // Evenly spaced on a log scale; both ends exactly as given.
  const double ratio = to / from;
  for (int i = 0; i < args.points; ++i) {
    const double f =
        i == args.points - 1 ? to : from * std::pow(ratio, static_cast<double>(i) / (args.points - 1));
    if (chain) {
      // Normalised as the plot draws it: 0 dB and 0 degrees at the lowest frequencies.
      const std::complex<double> h = ChainTransfer(*chain, f) / ChainTransfer(*chain, 0.0);
      const double phase = std::arg(h) * (180.0 / GetPi());
      writer->Row(
          {Cell{f, {}}, Cell{20.0 * std::log10(std::abs(h)), {}}, Cell{phase == 0.0 ? 0.0 : phase, {}}});
    } else {
      writer->Row(
          {Cell{f, {}}, Cell{LevelDb(f, curve->F, curve->Q), {}}, Cell{PhaseDeg(f, curve->F, curve->Q), {}}});
    }
  }
  writer->Finish();
  return 0;
}
