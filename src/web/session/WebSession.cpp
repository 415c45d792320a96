#include "WebSession.h"

#include "LabelledPixelCanvas.h"
#include "chain/ChainPlot.h"

#include "circuit/Calculate.h"
#include "circuit/SolverCommands.h"
#include "engnum/FieldTextUtf8.h"
#include "loads/ApplyStageSetting.h"
#include "loads/StageSettingOrder.h"
#include "loads/StageSettingTexts.h"
#include "loads/ValueList.h"
#include "plot/PixelPlotCanvas.h"
#include "plot/PlotReadout.h"
#include "plot/ResponsePlotPaint.h"
#include "plot/SvgPlotCanvas.h"
#include "plot/WindowPlot.h"
#include "presets/PresetCommands.h"

#include <cmath>
#include <utility>

namespace {

ResponsePlotView PlotViewOf(const WebView& view) {
  return MakeResponsePlotView(view.CurveCurrent(), view.CurveF(), view.CurveQ());
}

}  // namespace

WebSession::WebSession(std::string samplePresets) : m_samplePresets(std::move(samplePresets)) {}

std::string WebSession::FieldText(Field field) const { return FieldBytesToUtf8(m_view.Text(field)); }

void WebSession::TypeField(Field field, std::string_view utf8) {
  m_view.SetFieldText(field, Utf8ToFieldBytes(utf8));
}

bool WebSession::Run(std::string_view command) {
  if (command == "Calculate") {
    RunCalculate(m_view);
  } else if (command == "OptimizeCFromQ") {
    RunOptimizeCFromQ(m_view);
  } else if (command == "OptimizeRLFromQ") {
    RunOptimizeRLFromQ(m_view);
  } else if (command == "OptimizeCFromF") {
    RunOptimizeCFromF(m_view);
  } else if (command == "FullOptimization") {
    RunFullOptimization(m_view);
  } else if (command == "Reset") {
    ReadPresets();
  } else {
    return false;
  }
  return true;
}

void WebSession::ReadPresets() {
  RunResetFromBytes(m_view, m_presets, m_userPresets ? m_userPresetBytes : m_samplePresets);
}

void WebSession::ChooseName(int index) {
  m_view.SelectName(index);
  RunSelchangeName(m_view, m_presets);
}

std::vector<std::string> WebSession::NameTexts() const {
  std::vector<std::string> texts;
  for (const std::string& name : m_view.Names().names()) texts.push_back(NameToDisplayUtf8(name));
  return texts;
}

std::string WebSession::OpenPresetFile(std::string_view bytes) {
  if (bytes.size() > kMaxPresetFileBytes) return kPresetFileTooLargeText;
  // Text of any encoding has no NUL byte; pictures and archives nearly always do.
  if (bytes.find('\0') != std::string_view::npos) return kPresetFileNotTextText;
  m_userPresetBytes.assign(bytes);
  m_userPresets = true;
  // The window started with this file: its names alone.
  m_presets = CartridgeMap();
  m_view.ClearNames();
  ReadPresets();
  return std::string();
}

void WebSession::UseSamplePresets() {
  m_userPresets = false;
  m_userPresetBytes = std::string();
  m_presets = CartridgeMap();
  m_view.ClearNames();
  ReadPresets();
}

std::vector<PlotExtraCurve> WebSession::ExtraCurves() const {
  std::vector<PlotExtraCurve> extras;
  if (m_transformerCurve) extras.push_back(*m_transformerCurve);
  if (!m_stageResult.error.empty()) return extras;
  for (int index : m_compared) {
    const StageSettingRow* row = StageRowAt(index);
    if (row == nullptr || extras.size() == kMaxExtraCurves) continue;
    if (m_view.CurveCurrent() && row->F == m_view.CurveF() && row->Q == m_view.CurveQ()) continue;
    PlotExtraCurve curve{row->F, row->Q, ExtraCurveColour(extras.size()),
                         SettingLegendName(m_stageResult, *row)};
    curve.colourName = ExtraCurveColourName(extras.size());
    if (const std::optional<ChainValues> chain = RowChain(m_stageResult, *row))
      curve.levelDb = [c = *chain](double f) { return ChainLevelDb(c, f); };
    extras.push_back(std::move(curve));
  }
  return extras;
}

void WebSession::CompareStageSettings(const std::vector<int>& indices) { m_compared = indices; }

std::string WebSession::Readout(int width, int height, int x, int y) const {
  return FieldBytesToUtf8(PlotReadoutText(PlotViewOf(m_view), {0, 0, width, height}, x, y, ExtraCurves()));
}

std::string WebSession::Description() const { return FieldBytesToUtf8(PlotDescription(PlotViewOf(m_view))); }

std::string WebSession::Legend() const {
  return FieldBytesToUtf8(PlotLegendText(PlotViewOf(m_view), ExtraCurves()));
}

std::string WebSession::DataTsv(int width, int height) const {
  return FieldBytesToUtf8(PlotDataTsv(PlotViewOf(m_view), {0, 0, width, height}));
}

std::string WebSession::Svg(int width, int height) const {
  return RenderPlotSvg(PlotViewOf(m_view), width, height, WindowPlotTextStyle(), ExtraCurves());
}

void WebSession::Paint(int width, int height, double ratio, PixelBuffer& pixels, int& deviceWidth,
                       int& deviceHeight, std::vector<Label>& labels) const {
  if (!(ratio > 0.0) || !std::isfinite(ratio)) ratio = 1.0;
  deviceWidth = static_cast<int>(std::ceil(width * ratio));
  deviceHeight = static_cast<int>(std::ceil(height * ratio));
  if (deviceWidth <= 0 || deviceHeight <= 0) deviceWidth = deviceHeight = 0;
  pixels.Fill(static_cast<std::size_t>(deviceWidth) * static_cast<std::size_t>(deviceHeight), 0);
  labels.clear();
  LabelledPixelCanvas canvas(pixels, deviceWidth, deviceHeight, ratio, labels);
  PaintResponsePlot(PlotViewOf(m_view), canvas, ExtraCurves());
}

const StageSettingsResult& WebSession::FindStageSettings(const StageSettingsInput& input) {
  m_stageInput = input;
  // With no resistance given, the window's RL is the one, as in the window.
  m_stageInput.RL = m_view.Text(Field::RL);
  m_stageResult = ::FindStageSettings(m_stageInput);
  m_compared.clear();
  m_stageOrder = StageRowOrder(m_stageResult, m_sortColumn, m_sortDescending);
  return m_stageResult;
}

void WebSession::SortStageSettings(int column, bool descending) {
  m_sortColumn = column;
  m_sortDescending = descending;
  m_stageOrder = StageRowOrder(m_stageResult, m_sortColumn, m_sortDescending);
}

const StageSettingRow* WebSession::StageRowAt(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= m_stageOrder.size()) return nullptr;
  return &m_stageResult.rows[static_cast<std::size_t>(m_stageOrder[static_cast<std::size_t>(index)])];
}

bool WebSession::ApplyStageSetting(int index) {
  const StageSettingRow* row = m_stageResult.error.empty() ? StageRowAt(index) : nullptr;
  if (row == nullptr) return false;
  ::ApplyStageSetting(m_view, *row, m_stageInput.L.substr(0, kMaxFieldText - 1),
                      m_stageInput.RS.substr(0, kMaxFieldText - 1));
  return true;
}

namespace {

// The finder's text inputs, by the page's keys, in the order the core reads them.
struct StageKey {
  const char* key;
  StageInput input;
  std::string StageSettingsInput::*slot;
};
constexpr StageKey kStageKeys[] = {{"L", StageInput::L, &StageSettingsInput::L},
                                   {"RS", StageInput::RS, &StageSettingsInput::RS},
                                   {"cable", StageInput::Cable, &StageSettingsInput::cable},
                                   {"cBase", StageInput::CBase, &StageSettingsInput::cBase},
                                   {"cList", StageInput::CList, &StageSettingsInput::cList},
                                   {"rBase", StageInput::RBase, &StageSettingsInput::rBase},
                                   {"rList", StageInput::RList, &StageSettingsInput::rList},
                                   {"bandEdge", StageInput::BandEdge, &StageSettingsInput::bandEdge},
                                   {"targetF", StageInput::TargetF, &StageSettingsInput::targetF},
                                   {"targetQ", StageInput::TargetQ, &StageSettingsInput::targetQ},
                                   {"RL", StageInput::RL, &StageSettingsInput::RL}};

}  // namespace

std::string WebSession::StageCountText() const {
  const std::size_t count = m_stageResult.rows.size();
  return std::to_string(count) + (count == 1 ? " setting" : " settings");
}

bool WebSession::WantedFromFields(std::string& F, std::string& Q) const {
  const std::string& f = m_view.Text(Field::F);
  const std::string& q = m_view.Text(Field::Q);
  if (!IsUsableWanted(f) || !IsUsableWanted(q)) return false;
  F = FieldBytesToUtf8(std::string(Trimmed(f)));
  Q = FieldBytesToUtf8(std::string(Trimmed(q)));
  return true;
}

ChainPanelInput WebSession::PanelInput(const ChainTexts& t) const {
  ChainPanelInput in{
      m_view.Text(Field::L), m_view.Text(Field::RS), m_view.Text(Field::C), m_view.Text(Field::RL), {}};
  in.texts = {Utf8ToFieldBytes(t.ratio), Utf8ToFieldBytes(t.Rp),   Utf8ToFieldBytes(t.Rs2),
              Utf8ToFieldBytes(t.C1),    Utf8ToFieldBytes(t.Rsec), Utf8ToFieldBytes(t.rated)};
  return in;
}

ChainPanel WebSession::TransformerPanel(const ChainTexts& utf8Texts) {
  ChainPanel panel = ComputeChainPanel(PanelInput(utf8Texts));
  m_transformerCurve.reset();
  if (panel.chain) m_transformerCurve = ChainPlotCurve(*panel.chain);
  return panel;
}

ChainPanel WebSession::SolveSecondaryResistor(const ChainTexts& utf8Texts, std::string_view wantedUtf8) {
  return SolveChainPanel(PanelInput(utf8Texts), Utf8ToFieldBytes(wantedUtf8));
}

StageSettingsInput StageInputFromTexts(const std::function<std::string(const char* key)>& text) {
  StageSettingsInput in;
  for (const StageKey& key : kStageKeys)
    if (key.input != StageInput::RL) in.*key.slot = Utf8ToFieldBytes(text(key.key));
  in.cMode = text("cMode") == "switches" ? ListMode::Switches : ListMode::Choices;
  in.rMode = text("rMode") == "switches" ? ListMode::Switches : ListMode::Choices;
  in.rankBy = text("rankBy") == "target" ? RankBy::Target : RankBy::Flatness;
  return in;
}

const char* StageInputKey(StageInput input) {
  for (const StageKey& key : kStageKeys)
    if (key.input == input) return key.key;
  return "";
}

std::vector<std::pair<std::string, std::string>> StageDefaultTexts() {
  StageSettingsInput in;
  in.cable = kDefaultCableText;
  std::vector<std::pair<std::string, std::string>> texts;
  for (const StageKey& key : kStageKeys)
    if (key.input != StageInput::L && key.input != StageInput::RS && key.input != StageInput::RL)
      texts.emplace_back(key.key, FieldBytesToUtf8(in.*key.slot));
  texts.emplace_back("cMode", in.cMode == ListMode::Switches ? "switches" : "choices");
  texts.emplace_back("rMode", in.rMode == ListMode::Switches ? "switches" : "choices");
  texts.emplace_back("rankBy", in.rankBy == RankBy::Target ? "target" : "flatness");
  return texts;
}
