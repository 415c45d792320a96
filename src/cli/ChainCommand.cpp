#include "Commands.h"
#include "ValueArgument.h"
#include "chain/ChainFigures.h"
#include "chain/SecondaryResistor.h"
#include "circuit/ResponseFigures.h"
#include "presets/PresetCommands.h"

#include <cstdio>
#include <string>

namespace {

const char* OptionOf(ChainInput input) {
  switch (input) {
    case ChainInput::Ratio:
      return "--ratio";
    case ChainInput::Rp:
      return "--Rp";
    case ChainInput::Rs2:
      return "--Rs2";
    case ChainInput::C1:
      return "--C1";
    case ChainInput::Rsec:
      return "--Rsec";
    case ChainInput::Rated:
      return "--rated";
    case ChainInput::None:
      break;
  }
  return "";
}

double Network(const char* option, const std::optional<std::string>& argument, const char* fallback) {
  return CheckValue(option, argument ? *argument : std::string(fallback), true);
}

int Figures(const ChainValues& chain, const ChainReading& reading, const Output& output) {
  std::string problem;
  const auto fig = ComputeChainFigures(chain, reading.ratedMv, kAudibleHighHz, problem);
  if (!fig) {
    std::fprintf(output.err, "%s\n", problem.c_str());
    return 1;
  }
  const CurveFigures& r = fig->curve;
  const auto writer = MakeReportWriter(output.format,
                                       {{"L", Style::Eng},
                                        {"RS", Style::Eng},
                                        {"C1", Style::Eng},
                                        {"Rp", Style::Eng},
                                        {"ratio", Style::Eng},
                                        {"Rs2", Style::Eng},
                                        {"C", Style::Eng},
                                        {"RL", Style::Eng},
                                        {"Rsec", Style::Eng},
                                        {"load_R", Style::Eng},
                                        {"load_C", Style::Eng},
                                        {"ideal_R", Style::Eng},
                                        {"ideal_C", Style::Eng},
                                        {"level_1kHz_dB", Style::Db},
                                        {"ideal_dB", Style::Db},
                                        {"stage_mV", Style::Eng},
                                        {"peak_Hz", Style::Eng},
                                        {"peak_dB", Style::Db},
                                        {"minus_0_5dB_Hz", Style::Eng},
                                        {"minus_1dB_Hz", Style::Eng},
                                        {"minus_3dB_Hz", Style::Eng},
                                        {"level_20kHz_dB", Style::Db},
                                        {"deviation_dB", Style::Db}},
                                       true, output.out);
  const auto peakHz = r.peak ? std::optional<double>(r.peak->frequency) : std::nullopt;
  const auto peakDb = r.peak ? std::optional<double>(r.peak->levelDb) : std::nullopt;
  const auto rsec = chain.Rsec > 0.0 ? std::optional<double>(chain.Rsec) : std::nullopt;
  writer->Row(
      {Cell{chain.L, {}},     Cell{chain.RS, {}},       Cell{chain.C1, {}},     Cell{chain.Rp, {}},
       Cell{chain.N, {}},     Cell{chain.Rs2, {}},      Cell{chain.C, {}},      Cell{chain.RL, {}},
       Cell{rsec, {}},        Cell{fig->loadR, {}},     Cell{fig->loadC, {}},   Cell{fig->idealR, {}},
       Cell{fig->idealC, {}}, Cell{fig->levelDb, {}},   Cell{fig->idealDb, {}}, Cell{fig->stageMv, {}},
       Cell{peakHz, {}},      Cell{peakDb, {}},         Cell{r.fall05Hz, {}},   Cell{r.fall1Hz, {}},
       Cell{r.fall3Hz, {}},   Cell{r.levelAt20kDb, {}}, Cell{r.deviationDb, {}}});
  writer->Finish();
  return 0;
}

int Solve(const ChainValues& chain, double wanted, const Output& output) {
  std::string problem;
  const auto s = SolveSecondaryResistor(chain, wanted, problem);
  if (!s) {
    std::fprintf(output.err, "%s\n", problem.c_str());
    return 1;
  }
  const auto writer = MakeReportWriter(output.format,
                                       {{"wanted_R", Style::Eng},
                                        {"Rsec", Style::Eng},
                                        {"E24", Style::Eng},
                                        {"E24_load_R", Style::Eng},
                                        {"E96", Style::Eng},
                                        {"E96_load_R", Style::Eng}},
                                       true, output.out);
  writer->Row({Cell{wanted, {}}, Cell{s->exact, {}}, Cell{s->e24.ohms, {}}, Cell{s->e24.loadSeen, {}},
               Cell{s->e96.ohms, {}}, Cell{s->e96.loadSeen, {}}});
  writer->Finish();
  return 0;
}

}  // namespace

ChainValues ChainFromArguments(const NetworkArgs& network, const ChainArgs& args, ChainReading* out) {
  const double L = Network("--L", network.L, kDefaultL);
  const double RS = Network("--RS", network.RS, kDefaultRS);
  const double C = Network("--C", network.C, kDefaultC);
  const double RL = Network("--RL", network.RL, kDefaultRL);
  const auto bytes = [](const std::optional<std::string>& a) { return a ? ArgumentToFieldBytes(*a) : ""; };
  ChainTexts texts{bytes(args.ratio), bytes(args.Rp),   bytes(args.Rs2),
                   bytes(args.C1),    bytes(args.Rsec), bytes(args.rated)};
  // An option given empty is refused, not taken for its default.
  for (const auto& [given, option] : {std::pair{&args.ratio, "--ratio"},
                                      {&args.Rp, "--Rp"},
                                      {&args.Rs2, "--Rs2"},
                                      {&args.C1, "--C1"},
                                      {&args.Rsec, "--Rsec"},
                                      {&args.rated, "--rated"}})
    if (*given && (*given)->empty()) throw UsageError(std::string(option) + " needs a value");
  ChainReading reading = ReadChainTexts(texts);
  if (!reading.problem.empty()) throw UsageError(reading.problem + " (" + OptionOf(reading.input) + ")");
  if (out) *out = reading;
  return MakeChain(L, RS, C, RL, reading);
}

int RunChainCommand(const ChainArgs& args, const NetworkArgs& network, const Output& output) {
  ChainReading reading;
  const ChainValues chain = ChainFromArguments(network, args, &reading);
  if (args.solveRsec) {
    if (!reading.transformer) throw UsageError("--solve-rsec needs --ratio");
    return Solve(chain, CheckValue("--solve-rsec", *args.solveRsec, true), output);
  }
  return Figures(chain, reading, output);
}
