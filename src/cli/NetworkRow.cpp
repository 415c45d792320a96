#include "NetworkRow.h"

#include "CliView.h"
#include "circuit/Circuit.h"
#include "circuit/ResponseFigures.h"

#include <cmath>
#include <optional>

namespace {

Cell Number(std::optional<double> value) { return Cell{value, {}}; }

}  // namespace

std::vector<Column> NetworkColumns() {
  return {{"L", Style::Eng},
          {"RS", Style::Eng},
          {"C", Style::Eng},
          {"RL", Style::Eng},
          {"F", Style::Eng},
          {"Q", Style::Q},
          {"serial_Q", Style::Q},
          {"peak_Hz", Style::Eng},
          {"peak_dB", Style::Db},
          {"minus_0_5dB_Hz", Style::Eng},
          {"minus_1dB_Hz", Style::Eng},
          {"minus_3dB_Hz", Style::Eng},
          {"level_20kHz_dB", Style::Db}};
}

void AppendNetworkCells(const CliView& view, bool fieldTexts, std::vector<Cell>& cells) {
  const CircuitValues& r = g_circuit;
  const std::optional<CliView::Curve>& curve = view.LastCurve();
  const Field fields[] = {Field::L, Field::RS, Field::C, Field::RL, Field::F, Field::Q};
  const double values[] = {r.L, r.RS, r.C, r.RL, curve ? curve->F : r.F, curve ? curve->Q : r.Q};
  for (std::size_t i = 0; i < 6; ++i) {
    Cell cell = Number(values[i]);
    if (fieldTexts && view.Written(fields[i])) cell.text = view.Text(fields[i]);
    cells.push_back(std::move(cell));
  }
  cells.push_back(Number(SerialQualityFactor(r.L, r.C, r.RS)));

  const double F = values[4];
  const double Q = values[5];
  const std::optional<ResponsePeak> peak = Peak(F, Q);
  cells.push_back(Number(peak ? std::optional<double>(peak->frequency) : std::nullopt));
  cells.push_back(Number(peak ? std::optional<double>(peak->levelDb) : std::nullopt));
  cells.push_back(Number(FallFrequency(F, Q, 0.5)));
  cells.push_back(Number(FallFrequency(F, Q, 1.0)));
  cells.push_back(Number(FallFrequency(F, Q, 3.0)));
  cells.push_back(Number(LevelDb(kAudibleHighHz, F, Q)));
}

bool RefuseNonFinite(const std::vector<Column>& columns, const std::vector<Cell>& cells, std::FILE* err) {
  for (std::size_t i = 0; i < cells.size() && i < columns.size(); ++i) {
    if (cells[i].number && !std::isfinite(*cells[i].number)) {
      std::fprintf(err, "varnholt-calc: %s is not a finite number for these values\n",
                   columns[i].key.c_str());
      return true;
    }
  }
  return false;
}
