#pragma once

#include "Report.h"
#include "chain/ChainInput.h"
#include "loads/StageSettings.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

// The subcommands. Each writes its report to `out` and returns the exit
// status: 0, or 1 when the window would have shown a box (its text goes to
// `err`, nothing to `out`). Unusable arguments throw UsageError.

// Arguments as typed (UTF-8); an option not given is empty.
struct NetworkArgs {
  std::optional<std::string> L, RS, C, RL, F, Q;
};

enum class Solver { CFromQ, RLFromQ, CFromF, Full };

struct TableArgs {
  std::optional<std::string> file;
  std::optional<std::string> C, RL;
};

struct ResponseArgs {
  std::optional<std::string> from, to, points;
};

// Inputs as typed; empty ones take the finder's first inputs.
struct SettingsArgs {
  std::optional<std::string> cable, cBase, cValues, rBase, rValues;
  bool cSwitches = false, rSwitches = false;
  std::optional<std::string> bandEdge, targetF, targetQ;
  // A transformer's taps and secondary resistors come as lists in --ratio and
  // --Rsec (ChainArgs); the resistors may be switches; rank by a wanted load.
  bool rsecSwitches = false;
  std::optional<std::string> targetLoad;
};

// The load map's own inputs as typed; the stage's come as for settings.
struct MapArgs {
  std::optional<std::string> cRange, rRange, points;
  std::optional<std::string> file;  // the SVG picture to write
  bool report = true;               // the grid on standard output
};

// The transformer's options as typed; without --ratio there is no transformer.
struct ChainArgs {
  std::optional<std::string> ratio, Rp, Rs2, C1, Rsec;
  std::optional<std::string> rated;      // chain: the cartridge's rated output, mV
  std::optional<std::string> solveRsec;  // chain: the wanted load for the resistor
  bool Given() const { return ratio || Rp || Rs2 || C1 || Rsec; }
};

struct PlotArgs {
  std::string file;
};

struct Output {
  OutputFormat format = OutputFormat::Text;
  std::FILE* out = stdout;
  std::FILE* err = stderr;
};

class CliView;

// Fills L, RS, C and RL from the arguments (the window's start-up texts for
// those not given) and runs Calculate, as a person typing and pressing it.
void CalculateFromArguments(CliView& view, const NetworkArgs& args);

// CalculateFromArguments, then true when it gave a curve whose figures are all
// finite numbers; otherwise false, with the reason on `err`.
bool CalculateCurve(CliView& view, const NetworkArgs& args, std::FILE* err);

int RunCalcCommand(const NetworkArgs& args, const Output& output);
int RunSolveCommand(Solver solver, const NetworkArgs& args, const Output& output);
int RunTableCommand(const TableArgs& args, const NetworkArgs& load, const Output& output);
// With a transformer the levels and phases are the chain's.
int RunResponseCommand(const ResponseArgs& args, const NetworkArgs& network, const ChainArgs& chain,
                       const Output& output);
// The chain read from --L --RS --C --RL and the transformer's options, every
// one by the strict reader; a refusal throws UsageError naming the option.
ChainValues ChainFromArguments(const NetworkArgs& network, const ChainArgs& args,
                               ChainReading* reading = nullptr);
// The chain's figures, or with --solve-rsec the resistor across the secondary.
int RunChainCommand(const ChainArgs& args, const NetworkArgs& network, const Output& output);
// The ranking of the stage's settings for the cartridge of --L and --RS,
// through the transformer's taps and secondary resistors when --ratio is given.
int RunSettingsCommand(const SettingsArgs& args, const NetworkArgs& network, const ChainArgs& chain,
                       const Output& output);
// The finder's inputs from the settings command's arguments (the finder's
// first inputs for those not given); L and RS are checked.
StageSettingsInput StageSettingsFromArguments(const SettingsArgs& args, const NetworkArgs& network,
                                              const ChainArgs& chain = {});
// The option that gives a finder's input, or null.
const char* OptionOf(StageInput input);
// The load map around --C and --RL for the cartridge and stage as in settings:
// an SVG picture (-o) and, unless only the picture was asked for, the grid.
int RunMapCommand(const MapArgs& args, const SettingsArgs& stage, const NetworkArgs& network,
                  const Output& output);
// The window's plot of the network as an SVG file, with a transformer's chain
// drawn over it as the window's dialog draws it; nothing on standard output.
int RunPlotCommand(const PlotArgs& args, const NetworkArgs& network, const ChainArgs& chain,
                   const Output& output);

// Every file a command writes goes through here: "-" is `out`, any other name
// the safe writer. Throws UsageError with the reason when it fails.
void WriteOutputFile(const std::string& path, std::string_view bytes, std::FILE* out);
