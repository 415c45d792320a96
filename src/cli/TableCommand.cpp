#include "CliView.h"
#include "Commands.h"
#include "NetworkRow.h"
#include "ValueArgument.h"
#include "circuit/Calculate.h"
#include "circuit/Circuit.h"
#include "circuit/CommandView.h"
#include "engnum/EngValue.h"
#include "engnum/FieldTextUtf8.h"
#include "files/FilePath.h"
#include "presets/CartridgeMap.h"
#include "presets/NameOrder.h"
#include "presets/PresetCommands.h"
#include "presets/PresetFile.h"
#include "presets/PresetLocation.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

// A file named on the command line must be there and readable: an empty
// table would hide the mistake. It is read as Reset reads, so it must be a
// plain file (through any links).
void CheckReadable(const std::string& path) {
  if (CanReadPresetFile(path.c_str())) return;
  std::error_code error;
  const auto status = std::filesystem::status(PathFromUtf8(path), error);
  std::string reason = "not a plain file";
  if (error) {
    reason = error.message();
  } else if (std::filesystem::is_directory(status)) {
    reason = std::strerror(EISDIR);
  } else if (std::filesystem::is_regular_file(status)) {
    std::FILE* file = OpenFileUtf8(path, "rb");
    reason = file ? "cannot be read" : std::strerror(errno);
    if (file) std::fclose(file);
  }
  throw UsageError("cannot read \"" + path + "\": " + reason);
}

// The load the table uses: the options, checked as any argument is, or the
// preset file's _init_load, which is field text and read as the window reads it.
void SetLoad(CliView& view, Field field, const char* option, const std::optional<std::string>& argument) {
  if (argument) {
    view.SetFieldText(field, ArgumentFieldText(option, *argument, true));
    return;
  }
  const std::string text = view.Text(field).substr(0, kMaxFieldText - 1);
  const double value = ParseEngValue(text.c_str());
  if (!(value > 0.0) || !std::isfinite(value))
    throw UsageError(std::string(option) +
                     " (the preset file's _init_load) must be greater than zero, not \"" +
                     FieldBytesToUtf8(text) + "\"");
}

std::optional<double> IfPositive(double value) {
  return value > 0.0 ? std::optional<double>(value) : std::nullopt;
}

}  // namespace

int RunTableCommand(const TableArgs& args, const NetworkArgs& load, const Output& output) {
  if (args.file) CheckReadable(*args.file);

  g_circuit = CircuitValues{};
  CliView view;
  CartridgeMap presets;
  RunReset(view, presets, args.file ? std::vector<std::string>{*args.file} : PresetFilePaths());
  SetLoad(view, Field::C, "--C", load.C);
  SetLoad(view, Field::RL, "--RL", load.RL);

  std::vector<Column> columns = NetworkColumns();
  columns.insert(columns.begin(), Column{"name", Style::Name});
  const auto writer = MakeReportWriter(output.format, std::move(columns), false, output.out);

  int status = 0;
  std::vector<Cell> cells;
  const std::vector<std::string>& names = view.Names().names();
  writer->Reserve(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    // Choosing the name and pressing Calculate, as in the window.
    view.SelectName(static_cast<int>(i));
    RunSelchangeName(view, presets);
    view.StartCommand();
    RunCalculate(view);

    cells.clear();
    cells.push_back(Cell{std::nullopt, NameToDisplayUtf8(names[i])});
    if (!view.Message()) {
      AppendNetworkCells(view, false, cells);
    } else {
      // The row stays, with what could be read; the reason goes to standard error.
      for (const double value : {g_circuit.L, g_circuit.RS, g_circuit.C, g_circuit.RL})
        cells.push_back(Cell{IfPositive(value), {}});
      cells.resize(1 + NetworkColumns().size());
      std::fprintf(output.err, "varnholt-calc: %s: L %s, RS %s: %s\n", ShownText(cells[0].text).c_str(),
                   QuotedText(FieldBytesToUtf8(view.Text(Field::L))).c_str(),
                   QuotedText(FieldBytesToUtf8(view.Text(Field::RS))).c_str(),
                   "cannot be read, or not greater than zero");
      status = 1;
    }
    writer->Row(cells);
  }
  writer->Finish();
  return status;
}
