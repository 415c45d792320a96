// The page's load map: the window's map computed and painted by the core.
#include "LabelledPixelCanvas.h"
#include "WebSession.h"
#include "engnum/EngValue.h"
#include "loads/ApplyStageSetting.h"
#include "plot/SvgPlotCanvas.h"

namespace {

inline constexpr int kMapColumns = 400;  // as the window's map
inline constexpr int kMapRows = 300;

bool RangeAround(double around, double factor, LoadMapRange& range) {
  return ReadLoadMapRange(FormatEngValue(around / factor, 4) + ", " + FormatEngValue(around * factor, 4),
                          range);
}

double FieldValue(const std::string& text) {
  return ParseEngValue(text.substr(0, kMaxFieldText - 1).c_str());
}

}  // namespace

std::string WebSession::MakeLoadMap() {
  m_map.reset();
  if (!m_stageResult.error.empty()) return m_stageResult.error;
  const double C = FieldValue(m_view.Text(Field::C));
  const double RL = FieldValue(m_view.Text(Field::RL));
  LoadMapInput input{};
  if (!(C > 0.0) || !(RL > 0.0) || !RangeAround(C, 5.0, input.C) || !RangeAround(RL, 10.0, input.RL))
    return "The map lies around the window's C total and RL: both must be values above zero.";
  input.L = FieldValue(m_stageInput.L);
  input.RS = FieldValue(m_stageInput.RS);
  input.columns = kMapColumns;
  input.rows = kMapRows;
  input.bandEdge = m_stageResult.bandEdge;
  if (const LoadMapFault fault = CheckLoadMapInput(input); !fault.problem.empty()) return fault.problem;
  m_map = ComputeLoadMap(input);
  m_contours = LoadMapContours(*m_map);
  m_marks = LoadMapMarks();
  for (const StageSettingRow& row : m_stageResult.rows) m_marks.stage.push_back({row.C, row.RL});
  if (!m_stageResult.rows.empty())
    m_marks.best = LoadMapLoad{m_stageResult.rows.front().C, m_stageResult.rows.front().RL};
  m_marks.current = LoadMapLoad{C, RL};
  return std::string();
}

void WebSession::PaintMap(int width, int height, double ratio, PixelBuffer& pixels, int& deviceWidth,
                          int& deviceHeight, std::vector<Label>& labels) const {
  if (!(ratio > 0.0) || !std::isfinite(ratio)) ratio = 1.0;
  deviceWidth = static_cast<int>(std::ceil(width * ratio));
  deviceHeight = static_cast<int>(std::ceil(height * ratio));
  if (deviceWidth <= 0 || deviceHeight <= 0 || !m_map) deviceWidth = deviceHeight = 0;
  // White ground, as the window's map starts from.
  pixels.Fill(static_cast<std::size_t>(deviceWidth) * static_cast<std::size_t>(deviceHeight), 0xFF);
  labels.clear();
  if (!m_map) return;
  LabelledPixelCanvas canvas(pixels, deviceWidth, deviceHeight, ratio, labels);
  PaintLoadMap(*m_map, m_contours, m_marks, canvas);
}

std::string WebSession::MapReadout(int width, int height, int x, int y) const {
  return m_map ? FieldBytesToUtf8(LoadMapReadout(*m_map, {0, 0, width, height}, x, y)) : std::string();
}

std::string WebSession::MapSvg(int width, int height) const {
  SvgPlotCanvas canvas(width, height, WindowPlotTextStyle());
  if (m_map) PaintLoadMap(*m_map, m_contours, m_marks, canvas);
  return canvas.Finish();
}

bool WebSession::ApplyMapAt(int width, int height, int x, int y) {
  const std::optional<LoadMapLoad> load =
      m_map ? LoadMapLoadAt(*m_map, {0, 0, width, height}, x, y) : std::nullopt;
  if (!load) return false;
  ApplyLoad(m_view, load->C, load->RL);
  m_marks.current = *load;
  return true;
}
