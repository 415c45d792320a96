#include "CliView.h"
#include "Commands.h"
#include "ValueArgument.h"
#include "circuit/CommandView.h"
#include "engnum/EngValue.h"
#include "engnum/QuotedText.h"
#include "loads/LoadMap.h"
#include "loads/LoadMapPaint.h"
#include "plot/SvgPlotCanvas.h"
#include "plot/WindowPlot.h"
#include "presets/PresetCommands.h"

#include <string>

namespace {

// The picture's size in pixels: room for the axes, the bar and a map about
// as large as the window's plot.
constexpr int kMapWidth = 560;
constexpr int kMapHeight = 420;
constexpr int kDefaultColumns = 200;
constexpr int kDefaultRows = 150;

// "--c-range" as typed, or `around` / `factor` to `around` * `factor`.
LoadMapRange Range(const std::optional<std::string>& argument, const char* option, double around,
                   double factor) {
  if (!argument) return {around / factor, around * factor};
  LoadMapRange range{};
  if (!ReadLoadMapRange(ArgumentToFieldBytes(*argument), range))
    throw UsageError(std::string(option) + " " + QuotedText(*argument) +
                     " is not two values, such as \"20p,500p\"");
  if (const std::string problem = LoadMapRangeProblem(range); !problem.empty())
    throw UsageError(std::string(option) + " " + QuotedText(*argument) + " " + problem);
  return range;
}

// "200" for both axes, or "400x300" for C and RL.
void ReadPoints(const std::optional<std::string>& argument, int& columns, int& rows) {
  columns = kDefaultColumns;
  rows = kDefaultRows;
  if (!argument) return;
  const std::string& text = *argument;
  const std::size_t x = text.find('x');
  const bool read = x == std::string::npos ? ReadCount(text, columns) && ReadCount(text, rows)
                                           : ReadCount(std::string_view(text).substr(0, x), columns) &&
                                                 ReadCount(std::string_view(text).substr(x + 1), rows);
  if (!read) throw UsageError("--points " + QuotedText(text) + " is not a count, such as 200 or 400x300");
  if (columns < kMinMapPoints || columns > kMaxMapPoints || rows < kMinMapPoints || rows > kMaxMapPoints)
    throw UsageError("--points " + QuotedText(text) + " must be " + std::to_string(kMinMapPoints) + " to " +
                     std::to_string(kMaxMapPoints) + " per axis");
}

}  // namespace

int RunMapCommand(const MapArgs& args, const SettingsArgs& stage, const NetworkArgs& network,
                  const Output& output) {
  if (args.file && args.file->empty()) throw UsageError("-o needs a file name");
  // The picture and the grid never share one stream.
  if (args.file && *args.file == "-" && args.report)
    throw UsageError(
        "-o - writes the picture to standard output, where --format would write the grid: "
        "give -o a file name");
  const StageSettingsInput in = StageSettingsFromArguments(stage, network);
  const double C = CheckValue("--C", network.C ? *network.C : kDefaultC, true);
  const double RL = CheckValue("--RL", network.RL ? *network.RL : kDefaultRL, true);

  LoadMapInput input{};
  input.L = ParseEngValue(in.L.substr(0, kMaxFieldText - 1).c_str());
  input.RS = ParseEngValue(in.RS.substr(0, kMaxFieldText - 1).c_str());
  input.C = Range(args.cRange, "--c-range", C, 5.0);
  input.RL = Range(args.rRange, "--r-range", RL, 10.0);
  ReadPoints(args.points, input.columns, input.rows);
  // Defaults around the window's values may still be too wide, as 1e-300 / 5.
  if (const LoadMapFault fault = CheckLoadMapInput(input); fault.input != LoadMapInputKind::None) {
    const char* option = fault.input == LoadMapInputKind::CRange    ? "--c-range (around --C)"
                         : fault.input == LoadMapInputKind::RLRange ? "--r-range (around --RL)"
                                                                    : "--points";
    throw UsageError(std::string(option) + " " + fault.problem);
  }
  const StageSettingsResult settings = FindStageSettings(in);
  if (!settings.error.empty()) {
    const char* option = OptionOf(settings.input);
    throw UsageError(option ? settings.error + " (" + option + ")" : settings.error);
  }
  input.bandEdge = settings.bandEdge;

  const LoadMap map = ComputeLoadMap(input);
  if (args.file) {
    LoadMapMarks marks;
    for (const StageSettingRow& row : settings.rows) marks.stage.push_back({row.C, row.RL});
    if (!settings.rows.empty()) marks.best = LoadMapLoad{settings.rows.front().C, settings.rows.front().RL};
    marks.current = LoadMapLoad{C, RL};
    SvgPlotCanvas canvas(kMapWidth, kMapHeight, WindowPlotTextStyle());
    PaintLoadMap(map, LoadMapContours(map), marks, canvas);
    WriteOutputFile(*args.file, canvas.Finish(), output.out);
  }
  if (!args.report) return 0;

  const auto writer = MakeReportWriter(output.format,
                                       {{"C", Style::Eng},
                                        {"RL", Style::Eng},
                                        {"F", Style::Eng},
                                        {"Q", Style::Q},
                                        {"deviation_dB", Style::Db}},
                                       false, output.out);
  writer->Reserve(map.nodes.size());
  for (std::size_t j = 0; j < map.RL.size(); ++j) {
    for (std::size_t i = 0; i < map.C.size(); ++i) {
      const LoadMapNode& node = map.At(static_cast<int>(i), static_cast<int>(j));
      const std::optional<double> deviation =
          node.deviationDb == node.deviationDb ? std::optional<double>(node.deviationDb) : std::nullopt;
      writer->Row(
          {Cell{map.C[i], {}}, Cell{map.RL[j], {}}, Cell{node.F, {}}, Cell{node.Q, {}}, Cell{deviation, {}}});
    }
  }
  writer->Finish();
  return 0;
}
