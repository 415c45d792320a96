#pragma once

#include "PixelBuffer.h"
#include "WebView.h"
#include "chain/ChainPanel.h"
#include "loads/LoadMapPaint.h"
#include "loads/StageSettings.h"
#include "plot/PlotCanvas.h"
#include "plot/ResponsePlotPaint.h"
#include "presets/CartridgeMap.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The page's window: its view and presets, and the commands its controls run.
// Everything the page shows comes from here; the page only moves texts.
// Texts in and out are UTF-8; the fields hold the core's 8-bit bytes.
class WebSession {
 public:
  // The sample preset file's bytes. A browser gives the page no files of its
  // own: the sample presets and a file the user opens are kept in memory.
  explicit WebSession(std::string samplePresets);

  WebView& View() { return m_view; }

  std::string FieldText(Field field) const;
  // A user's typing into a field.
  void TypeField(Field field, std::string_view utf8);

  // The window's buttons, by the handler's name less "On": "Calculate",
  // "OptimizeCFromQ", "OptimizeRLFromQ", "OptimizeCFromF", "FullOptimization",
  // "Reset". False for any other name.
  bool Run(std::string_view command);
  // A user's choice in the Name list.
  void ChooseName(int index);
  std::vector<std::string> NameTexts() const;

  // Takes a preset file the user opened: empty on success (the file then
  // stands for the preset file and a fresh Reset reads it), else why not, and
  // the presets stay as they were.
  std::string OpenPresetFile(std::string_view bytes);
  // Back to the sample presets.
  void UseSamplePresets();
  bool HasUserPresets() const { return m_userPresets; }

  // The plot, in logical pixels of a client area `width` x `height`.
  std::string Readout(int width, int height, int x, int y) const;
  std::string Description() const;
  // The legend of the curves drawn over the plot, in words; empty without any.
  std::string Legend() const;
  std::string DataTsv(int width, int height) const;
  std::string Svg(int width, int height) const;

  // One label of a painted picture: the glyphs the page sets over the cell
  // the paint filled, at device pixel (x, y), the top-left of the cell.
  struct Label {
    int x;
    int y;
    std::string text;  // UTF-8
    PlotColour colour;
  };
  // Paints the plot at `ratio` device pixels per logical pixel into `pixels`
  // (R, G, B, A bytes, row by row) of the size rounded up to device pixels.
  void Paint(int width, int height, double ratio, PixelBuffer& pixels, int& deviceWidth, int& deviceHeight,
             std::vector<Label>& labels) const;

  // Find Stage Settings: ranks the inputs' settings, shown in the order of
  // the column last sorted by (as the window's table keeps it); Apply puts
  // the row shown at `index` into the fields and runs Calculate there.
  const StageSettingsResult& FindStageSettings(const StageSettingsInput& input);
  void SortStageSettings(int column, bool descending);
  // The ranked row shown at `index`, or null.
  const StageSettingRow* StageRowAt(int index) const;
  bool ApplyStageSetting(int index);
  // The rows shown at `indices` drawn over the plot to compare, in the
  // window's colours with a legend, at most kMaxExtraCurves; the plot's own
  // curve stays on top, and a row that is that curve is not drawn again. An
  // empty list takes them away.
  void CompareStageSettings(const std::vector<int>& indices);
  const StageSettingsResult& StageResult() const { return m_stageResult; }
  int SortColumn() const { return m_sortColumn; }  // -1: the ranking's order
  bool SortDescending() const { return m_sortDescending; }
  // "768 settings": the line above the table.
  std::string StageCountText() const;
  // The window's F and Q as the finder's wanted F and Q (UTF-8, trimmed), when
  // both are values above zero; otherwise false and the wanted ones stay.
  bool WantedFromFields(std::string& F, std::string& Q) const;

  // The load map of C total x RL around the window's load (a fifth to five
  // times C total, a tenth to ten times RL, as the window opens it) for the
  // cartridge and stage last ranked, with the stage's settings as dots and the
  // window's load as a cross. Empty on success, else why there is none.
  std::string MakeLoadMap();
  void PaintMap(int width, int height, double ratio, PixelBuffer& pixels, int& deviceWidth, int& deviceHeight,
                std::vector<Label>& labels) const;
  std::string MapReadout(int width, int height, int x, int y) const;
  std::string MapSvg(int width, int height) const;
  // The load under (x, y) into C total and RL, then Calculate, as a
  // double-click on the window's map; false outside the map.
  bool ApplyMapAt(int width, int height, int x, int y);

  // Step-Up Transformer: the figures for the fields' cartridge and load
  // through the transformer's texts (UTF-8), as the window's dialog shows
  // them; the chain's curve is drawn over the plot until the panel closes.
  ChainPanel TransformerPanel(const ChainTexts& utf8Texts);
  // The resistor across the secondary for the wanted load (UTF-8).
  ChainPanel SolveSecondaryResistor(const ChainTexts& utf8Texts, std::string_view wantedUtf8);
  void CloseTransformerPanel() { m_transformerCurve.reset(); }

 private:
  ChainPanelInput PanelInput(const ChainTexts& utf8Texts) const;

  void ReadPresets();
  std::vector<PlotExtraCurve> ExtraCurves() const;

  WebView m_view;
  CartridgeMap m_presets;
  std::string m_samplePresets;
  std::string m_userPresetBytes;
  bool m_userPresets = false;
  StageSettingsInput m_stageInput;
  StageSettingsResult m_stageResult;
  std::vector<int> m_stageOrder;
  std::vector<int>
      m_compared;  // rows shown, as the page selected them  // row shown -> index into m_stageResult.rows
  std::optional<LoadMap> m_map;
  std::vector<LoadMapContour> m_contours;
  LoadMapMarks m_marks;
  int m_sortColumn = -1;
  bool m_sortDescending = false;
  std::optional<PlotExtraCurve> m_transformerCurve;  // while the transformer panel is open
};

// The finder's inputs from the page's texts, looked up by key ("L", "cList",
// ...; UTF-8, empty when missing): a list is used as switches when its mode is
// "switches", and ranked by target when rankBy is "target".
StageSettingsInput StageInputFromTexts(const std::function<std::string(const char* key)>& text);
// The key of the finder's input an error names ("cList"), empty for none; for
// the window's RL, "RL".
const char* StageInputKey(StageInput input);
// The finder's inputs before the user has stored any: a usual moving-magnet
// stage. Keys as above, with the modes and rankBy.
std::vector<std::pair<std::string, std::string>> StageDefaultTexts();

// A preset file the page refuses before reading it: more than this many bytes.
inline constexpr std::size_t kMaxPresetFileBytes = 10u * 1024u * 1024u;
inline constexpr const char* kPresetFileTooLargeText =
    "This file is larger than 10 MB and cannot be a preset file.";
inline constexpr const char* kPresetFileNotTextText = "This file is not text and cannot be a preset file.";
