// varnholt-calc: the calculator's commands for tables and scripts.
#include "Commands.h"
#include "Report.h"
#include "ValueArgument.h"
#include "Version.h"
#include "engnum/QuotedText.h"
#include "files/CommandLine.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kUsageStatus = 2;

CLI::Option* AddValue(CLI::App* app, const std::string& name, std::optional<std::string>& target,
                      const std::string& help) {
  return app->add_option_function<std::string>(
      name, [&target](const std::string& value) { target = value; }, help);
}

void AddFormat(CLI::App* app, OutputFormat& format) {
  app->add_option_function<std::string>(
         "--format",
         [&format](const std::string& name) {
           format = name == "csv"    ? OutputFormat::Csv
                    : name == "json" ? OutputFormat::Json
                                     : OutputFormat::Text;
         },
         "Output: text (for people, the default), csv or json (numbers in SI units)")
      ->check(CLI::IsMember({"text", "csv", "json"}))
      ->option_text("text|csv|json");
}

// The network as in the window's four component fields.
void AddNetwork(CLI::App* app, NetworkArgs& network) {
  AddValue(app, "--L", network.L, "Cartridge inductance (default 300m)");
  AddValue(app, "--RS", network.RS, "Cartridge coil resistance (default 740)");
  AddValue(app, "--C", network.C, "Total load capacitance (default 251p)");
  AddValue(app, "--RL", network.RL, "Load resistance (default 47k)");
}

// The transformer between the cartridge and the stage.
void AddChain(CLI::App* app, ChainArgs& chain) {
  AddValue(app, "--ratio", chain.ratio, "Step-up transformer's ratio, as 10 or 1:10 (default: none)");
  AddValue(app, "--Rp", chain.Rp, "Primary winding resistance (default 0)");
  AddValue(app, "--Rs2", chain.Rs2, "Secondary winding resistance (default 0)");
  AddValue(app, "--C1", chain.C1, "Capacitance before the transformer (default 0)");
  AddValue(app, "--Rsec", chain.Rsec, "Resistor across the secondary (default none)");
}

// The stage's inputs, the same for the settings and the map command.
void AddStageOptions(CLI::App* app, SettingsArgs& settings) {
  AddValue(app, "--cable", settings.cable,
           std::string("Tone-arm cable capacitance (default ") + kDefaultCableText + ")");
  AddValue(app, "--c-base", settings.cBase, "Stage capacitance always present (default none)");
  AddValue(app, "--c-values", settings.cValues, "Stage capacitances, separated by spaces or commas");
  app->add_flag("--c-switches", settings.cSwitches, "The capacitances are switches that add up");
  AddValue(app, "--r-base", settings.rBase, "Stage resistance always present (default none)");
  AddValue(app, "--r-values", settings.rValues, "Stage resistances, separated by spaces or commas");
  app->add_flag("--r-switches", settings.rSwitches, "The resistances are switches that go in parallel");
  AddValue(app, "--band-edge", settings.bandEdge,
           std::string("Flatness from 20 Hz up to this (default ") + kDefaultBandEdgeText + ")");
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{
      "The phono cartridge load calculator's commands, for tables and scripts.\n"
      "Values are typed as in the window: 300m, 251p, 47k.",
      "varnholt-calc"};
  app.set_version_flag("--version", std::string("varnholt-calc ") + VARNHOLT_VERSION);
  app.require_subcommand(1);
  // On Windows the parser would take "/path/file.txt" for an option "/path";
  // the options are written the same way on every system.
  app.allow_windows_style_options(false);
  // The parser's own refusals quote arguments too: shown as every other message is.
  app.failure_message([](const CLI::App* failed, const CLI::Error& e) {
    const std::string text = CLI::FailureMessage::simple(failed, e);
    std::string shown;
    for (std::size_t begin = 0, end; begin < text.size(); begin = end + 1) {
      end = std::min(text.find('\n', begin), text.size());
      shown += ShownText(std::string_view(text).substr(begin, end - begin)) + '\n';
    }
    return shown;
  });

  Output output;
  NetworkArgs network;

  CLI::App* calc =
      app.add_subcommand("calc", "F, Q, serial Q and the response figures of a loaded cartridge");
  AddNetwork(calc, network);
  AddFormat(calc, output.format);

  CLI::App* solve =
      app.add_subcommand("solve", "Solve the load for a wanted Q or F, as the window's buttons");
  solve->require_subcommand(1);
  struct SolverCommand {
    Solver solver;
    const char* name;
    const char* help;
    bool C, RL, F, Q;
  };
  const SolverCommand solvers[] = {
      {Solver::CFromQ, "c-from-q", "C for the wanted Q (reads L, RS, RL, Q)", false, true, false, true},
      {Solver::RLFromQ, "rl-from-q", "RL for the wanted Q (reads L, RS, C, Q)", true, false, false, true},
      {Solver::CFromF, "c-from-f", "C for the wanted F (reads L, RS, RL, F)", false, true, true, false},
      {Solver::Full, "full", "C and RL for the wanted F and Q (reads L, RS, RL as a start, F, Q)", false,
       true, true, true},
  };
  std::map<CLI::App*, Solver> solverOf;
  for (const SolverCommand& s : solvers) {
    CLI::App* sub = solve->add_subcommand(s.name, s.help);
    AddValue(sub, "--L", network.L, "Cartridge inductance (default 300m)");
    AddValue(sub, "--RS", network.RS, "Cartridge coil resistance (default 740)");
    if (s.C) AddValue(sub, "--C", network.C, "Total load capacitance (default 251p)");
    if (s.RL) AddValue(sub, "--RL", network.RL, "Load resistance (default 47k)");
    if (s.F) AddValue(sub, "--F", network.F, "Wanted resonant frequency")->required();
    if (s.Q) AddValue(sub, "--Q", network.Q, "Wanted Q")->required();
    AddFormat(sub, output.format);
    solverOf[sub] = s.solver;
  }

  TableArgs table;
  CLI::App* tableCmd = app.add_subcommand(
      "table",
      "Every cartridge of a preset file in the Name list's order, against the file's load or --C/--RL");
  tableCmd->add_option_function<std::string>(
      "file", [&table](const std::string& path) { table.file = path; },
      "Preset file (default: the file the window's Reset reads)");
  AddValue(tableCmd, "--C", network.C, "Total load capacitance (default: the file's _init_load)");
  AddValue(tableCmd, "--RL", network.RL, "Load resistance (default: the file's _init_load)");
  AddFormat(tableCmd, output.format);

  ChainArgs chain;
  CLI::App* chainCmd = app.add_subcommand(
      "chain", "Load seen, level and response of a cartridge through a step-up transformer into the stage");
  AddNetwork(chainCmd, network);
  AddChain(chainCmd, chain);
  AddValue(chainCmd, "--rated", chain.rated, "Cartridge's rated output in millivolts, for the stage's level");
  AddValue(chainCmd, "--solve-rsec", chain.solveRsec,
           "Instead: the resistor across the secondary for this load seen by the cartridge");
  AddFormat(chainCmd, output.format);

  ResponseArgs response;
  CLI::App* responseCmd =
      app.add_subcommand("response", "Level and phase on log-spaced frequencies, for the network as in calc");
  AddNetwork(responseCmd, network);
  AddChain(responseCmd, chain);
  AddValue(responseCmd, "--from", response.from, "Lowest frequency (default 10)");
  AddValue(responseCmd, "--to", response.to, "Highest frequency (default 100k)");
  AddValue(responseCmd, "--points", response.points, "Number of frequencies, 2 to 1000000 (default 200)");
  AddFormat(responseCmd, output.format);

  SettingsArgs settings;
  CLI::App* settingsCmd = app.add_subcommand(
      "settings", "The phono stage's settings ranked for a cartridge, as Find Stage Settings ranks them");
  AddValue(settingsCmd, "--L", network.L, "Cartridge inductance (default 300m)");
  AddValue(settingsCmd, "--RS", network.RS, "Cartridge coil resistance (default 740)");
  AddStageOptions(settingsCmd, settings);
  CLI::Option* targetF = AddValue(settingsCmd, "--target-F", settings.targetF, "Rank by closeness to this F");
  CLI::Option* targetQ = AddValue(settingsCmd, "--target-Q", settings.targetQ, "... and this Q");
  targetF->needs(targetQ);
  targetQ->needs(targetF);
  AddValue(settingsCmd, "--ratio", chain.ratio,
           "Step-up transformer's taps, as \"1:10 1:20\" (default: none)");
  AddValue(settingsCmd, "--Rsec", chain.Rsec,
           "Resistors across the secondary, separated by spaces or commas");
  settingsCmd->add_flag("--rsec-switches", settings.rsecSwitches,
                        "The resistors across the secondary are switches that go in parallel");
  AddValue(settingsCmd, "--Rp", chain.Rp, "Primary winding resistance (default 0)");
  AddValue(settingsCmd, "--Rs2", chain.Rs2, "Secondary winding resistance (default 0)");
  AddValue(settingsCmd, "--C1", chain.C1, "Capacitance before the transformer (default 0)");
  CLI::Option* targetLoad = AddValue(settingsCmd, "--target-load", settings.targetLoad,
                                     "Rank by closeness to this load seen by the cartridge");
  targetLoad->excludes(targetF);
  AddFormat(settingsCmd, output.format);

  SettingsArgs mapStage;
  MapArgs map;
  CLI::App* mapCmd = app.add_subcommand(
      "map",
      "Where in C total and RL the cartridge is flat, with the stage's settings, as the window's Load Map");
  AddNetwork(mapCmd, network);
  AddStageOptions(mapCmd, mapStage);
  AddValue(mapCmd, "--c-range", map.cRange, "C total from and to, as \"20p,500p\" (default C/5 to 5C)");
  AddValue(mapCmd, "--r-range", map.rRange, "RL from and to, as \"4.7k,470k\" (default RL/10 to 10RL)");
  AddValue(mapCmd, "--points", map.points,
           "Nodes per axis, 10 to 2000: 200, or 400x300 for C and RL (default 200x150)");
  AddValue(mapCmd, "-o,--output", map.file, "The SVG picture to write");
  AddFormat(mapCmd, output.format);

  PlotArgs plot;
  CLI::App* plotCmd =
      app.add_subcommand("plot", "The window's plot of the network as in calc, as an SVG file");
  AddNetwork(plotCmd, network);
  AddChain(plotCmd, chain);
  plotCmd->add_option("-o,--output", plot.file, "The SVG file to write; - for standard output")->required();

  // The same bytes on every system: CSV's CRLF stays CRLF, a text line ends
  // in LF, and file names arrive as UTF-8 whatever the code page.
  SetBinaryMode(stdout);
  SetBinaryMode(stderr);
  std::vector<std::string> arguments = Utf8Arguments(argc, argv);
  std::vector<char*> utf8Argv;
  for (std::string& argument : arguments) utf8Argv.push_back(argument.data());
  try {
    app.parse(static_cast<int>(utf8Argv.size()), utf8Argv.data());
  } catch (const CLI::ParseError& e) {
    const int status = app.exit(e);
    return status == 0 ? 0 : kUsageStatus;
  }

  std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
  int status = 0;
  try {
    if (*calc) {
      status = RunCalcCommand(network, output);
    } else if (*chainCmd) {
      status = RunChainCommand(chain, network, output);
    } else if (*solve) {
      for (const auto& [sub, solver] : solverOf)
        if (*sub) status = RunSolveCommand(solver, network, output);
    } else if (*tableCmd) {
      status = RunTableCommand(table, network, output);
    } else if (*responseCmd) {
      status = RunResponseCommand(response, network, chain, output);
    } else if (*settingsCmd) {
      status = RunSettingsCommand(settings, network, chain, output);
    } else if (*mapCmd) {
      map.report = !map.file || mapCmd->count("--format") > 0;
      status = RunMapCommand(map, mapStage, network, output);
    } else if (*plotCmd) {
      status = RunPlotCommand(plot, network, chain, output);
    }
  } catch (const UsageError& e) {
    // A message may quote a preset file's bytes.
    std::fprintf(stderr, "varnholt-calc: %s\n", ShownText(e.what()).c_str());
    return kUsageStatus;
  }
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "varnholt-calc: cannot write the output\n");
    return kUsageStatus;
  }
  return status;
}
