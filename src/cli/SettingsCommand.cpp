#include "Commands.h"
#include "ValueArgument.h"
#include "engnum/NumberText.h"
#include "loads/StageSettings.h"
#include "presets/PresetCommands.h"

#include <cmath>
#include <string>
#include <vector>

const char* OptionOf(StageInput input) {
  switch (input) {
    case StageInput::L:
      return "--L";
    case StageInput::RS:
      return "--RS";
    case StageInput::Cable:
      return "--cable";
    case StageInput::CBase:
      return "--c-base";
    case StageInput::CList:
      return "--c-values";
    case StageInput::RBase:
      return "--r-base";
    case StageInput::RList:
      return "--r-values";
    case StageInput::BandEdge:
      return "--band-edge";
    case StageInput::TargetF:
      return "--target-F";
    case StageInput::TargetQ:
      return "--target-Q";
    case StageInput::RL:
      return "--RL";
    case StageInput::Taps:
      return "--ratio";
    case StageInput::RsecList:
      return "--Rsec";
    case StageInput::Rp:
      return "--Rp";
    case StageInput::Rs2:
      return "--Rs2";
    case StageInput::C1:
      return "--C1";
    case StageInput::TargetLoad:
      return "--target-load";
    case StageInput::None:
      break;
  }
  return nullptr;
}

namespace {

std::string Bytes(const std::optional<std::string>& argument, const char* fallback) {
  return ArgumentToFieldBytes(argument ? *argument : std::string(fallback));
}

}  // namespace

StageSettingsInput StageSettingsFromArguments(const SettingsArgs& args, const NetworkArgs& network,
                                              const ChainArgs& chain) {
  const std::string L = network.L ? *network.L : kDefaultL;
  const std::string RS = network.RS ? *network.RS : kDefaultRS;
  StageSettingsInput in;
  in.L = ArgumentFieldText("--L", L, true);
  in.RS = ArgumentFieldText("--RS", RS, true);
  // The finder's own first inputs: a usual moving-magnet stage.
  in.cable = Bytes(args.cable, kDefaultCableText);
  in.cBase = Bytes(args.cBase, "");
  in.cList = Bytes(args.cValues, "");
  in.cMode = args.cSwitches ? ListMode::Switches : ListMode::Choices;
  in.rBase = Bytes(args.rBase, "");
  in.RL = ArgumentFieldText("--RL", network.RL ? *network.RL : kDefaultRL, true);
  in.rList = Bytes(args.rValues, "");
  in.rMode = args.rSwitches ? ListMode::Switches : ListMode::Choices;
  in.bandEdge = Bytes(args.bandEdge, kDefaultBandEdgeText);
  if (args.targetF || args.targetQ) {
    in.rankBy = RankBy::Target;
    in.targetF = Bytes(args.targetF, "");
    in.targetQ = Bytes(args.targetQ, "");
  }
  in.taps = Bytes(chain.ratio, "");
  in.rsecList = Bytes(chain.Rsec, "");
  in.rsecMode = args.rsecSwitches ? ListMode::Switches : ListMode::Choices;
  in.Rp = Bytes(chain.Rp, "");
  in.Rs2 = Bytes(chain.Rs2, "");
  in.C1 = Bytes(chain.C1, "");
  if (args.targetLoad) {
    in.rankBy = RankBy::Load;
    in.targetLoad = Bytes(args.targetLoad, "");
  }
  return in;
}

int RunSettingsCommand(const SettingsArgs& args, const NetworkArgs& network, const ChainArgs& chain,
                       const Output& output) {
  if (!chain.ratio &&
      (chain.Rp || chain.Rs2 || chain.C1 || chain.Rsec || args.targetLoad || args.rsecSwitches))
    throw UsageError("the transformer's options need --ratio");
  const StageSettingsResult result = FindStageSettings(StageSettingsFromArguments(args, network, chain));
  if (!result.error.empty()) {
    const char* option = OptionOf(result.input);
    throw UsageError(option ? result.error + " (" + option + ")" : result.error);
  }

  std::vector<Column> columns = {{"rank", Style::Count},
                                 {"C_setting", Style::Name},
                                 {"RL_setting", Style::Name},
                                 {"C", Style::Eng},
                                 {"RL", Style::Eng},
                                 {"F", Style::Eng},
                                 {"Q", Style::Q},
                                 {"peak_Hz", Style::Eng},
                                 {"peak_dB", Style::Db},
                                 {"level_20kHz_dB", Style::Db},
                                 {"deviation_dB", Style::Db},
                                 {"distance", Style::Score}};
  const bool transformer = !result.tapWords.empty();
  if (transformer)
    columns.insert(columns.end(),
                   {{"tap", Style::Name}, {"Rsec_setting", Style::Name}, {"load_R", Style::Eng}});
  const auto writer = MakeReportWriter(output.format, std::move(columns), false, output.out);
  // A chain has no one F and Q.
  const auto number = [](double v) { return std::isnan(v) ? std::nullopt : std::optional<double>(v); };
  std::size_t rank = 0;
  for (const StageSettingRow& row : result.rows) {
    const auto peakHz = row.peak ? std::optional<double>(row.peak->frequency) : std::nullopt;
    const auto peakDb = row.peak ? std::optional<double>(row.peak->levelDb) : std::nullopt;
    std::vector<Cell> cells = {Cell{static_cast<double>(++rank), {}},
                               Cell{std::nullopt, result.cWords[row.cSetting]},
                               Cell{std::nullopt, result.rWords[row.rSetting]},
                               Cell{row.C, {}},
                               Cell{row.RL, {}},
                               Cell{number(row.F), {}},
                               Cell{number(row.Q), {}},
                               Cell{peakHz, {}},
                               Cell{peakDb, {}},
                               Cell{row.levelAt20k, {}},
                               Cell{row.deviationDb, {}},
                               Cell{row.distance, {}}};
    if (transformer)
      cells.insert(cells.end(),
                   {Cell{std::nullopt, result.tapWords[row.tapSetting]},
                    Cell{std::nullopt, result.rsecWords[row.rsecSetting]}, Cell{row.loadSeen, {}}});
    writer->Row(cells);
  }
  writer->Finish();
  return 0;
}
