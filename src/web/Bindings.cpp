// The page's entry points into the core (embind). Each moves texts and numbers
// between JavaScript and a WebSession; nothing is computed here.
#include "SamplePresets.h"
#include "Version.h"
#include "WebSession.h"
#include "circuit/Circuit.h"
#include "engnum/FieldTextUtf8.h"
#include "files/SafeFile.h"
#include "loads/StageSettingTexts.h"
#include "plot/WindowPlot.h"

#include <sys/stat.h>

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cstdint>
#include <vector>

using emscripten::val;

namespace {

// Where the module's file system keeps the embedded sample and the user's file.
constexpr const char* kSamplePath = "/sample/varnholt.txt";
constexpr const char* kUserPath = "/user/varnholt.txt";

WebSession& Session() {
  static WebSession session = [] {
    // The module's own file system, in memory: the sample file, and a folder
    // for the user's.
    mkdir("/sample", 0700);
    mkdir("/user", 0700);
    WriteFileSafely(kSamplePath, kSamplePresets);
    return WebSession(kSamplePath, kUserPath);
  }();
  return session;
}

Field FieldAt(int index) { return static_cast<Field>(index < 0 || index > 5 ? 0 : index); }

template <typename T>
val ArrayOf(const std::vector<T>& items) {
  val array = val::array();
  for (const T& item : items) array.call<void>("push", item);
  return array;
}

val Fields() {
  val array = val::array();
  for (int i = 0; i < 6; ++i) array.call<void>("push", Session().FieldText(FieldAt(i)));
  return array;
}

void SetField(int index, const std::string& text) { Session().TypeField(FieldAt(index), text); }

// The boxes the last command showed, each {caption, text}.
val TakeMessages() {
  val array = val::array();
  for (const WebView::Message& message : Session().View().TakeMessages()) {
    val item = val::object();
    item.set("caption", FieldBytesToUtf8(message.caption));
    item.set("text", FieldBytesToUtf8(message.text));
    array.call<void>("push", item);
  }
  return array;
}

bool Run(const std::string& command) { return Session().Run(command); }

val State() {
  WebView& view = Session().View();
  val state = val::object();
  state.set("fields", Fields());
  state.set("names", ArrayOf(Session().NameTexts()));
  state.set("selected", view.Selected());
  state.set("hint", FieldBytesToUtf8(view.Hint()));
  state.set("curveF", view.CurveF());
  state.set("curveQ", view.CurveQ());
  state.set("curveCurrent", view.CurveCurrent());
  state.set("description", Session().Description());
  state.set("userPresets", Session().HasUserPresets());
  return state;
}

// The shared record the commands left, for comparing results bit for bit.
val Circuit() {
  val record = val::object();
  record.set("L", g_circuit.L);
  record.set("RS", g_circuit.RS);
  record.set("C", g_circuit.C);
  record.set("RL", g_circuit.RL);
  record.set("F", g_circuit.F);
  record.set("Q", g_circuit.Q);
  return record;
}

std::string OpenPresetFile(const val& bytes) {
  const std::vector<std::uint8_t> data = emscripten::convertJSArrayToNumberVector<std::uint8_t>(bytes);
  return FieldBytesToUtf8(
      Session().OpenPresetFile(std::string_view(reinterpret_cast<const char*>(data.data()), data.size())));
}

// One paint: {width, height, pixels (a copy, R G B A), labels [{x, y, text, colour}], font}.
val Paint(int width, int height, double ratio) {
  static std::vector<std::uint32_t> pixels;
  std::vector<WebSession::Label> labels;
  int deviceWidth = 0;
  int deviceHeight = 0;
  Session().Paint(width, height, ratio, pixels, deviceWidth, deviceHeight, labels);
  val picture = val::object();
  picture.set("width", deviceWidth);
  picture.set("height", deviceHeight);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(pixels.data());
  picture.set("pixels", val(emscripten::typed_memory_view(pixels.size() * 4, bytes)).call<val>("slice"));
  val array = val::array();
  for (const WebSession::Label& label : labels) {
    val item = val::object();
    item.set("x", label.x);
    item.set("y", label.y);
    item.set("text", label.text);
    item.set("colour", label.colour);
    array.call<void>("push", item);
  }
  picture.set("labels", array);
  const SvgTextStyle style = WindowPlotTextStyle();
  val font = val::object();
  font.set("family", style.family);
  font.set("pixelSize", style.pixelSize);
  font.set("ascent", style.ascent);
  picture.set("font", font);
  return picture;
}

// Ranks the finder's inputs (texts as typed, modes as "switches" or not,
// rankBy "target" or not): {error, input, rows: [[rank, setting, C, RL, F, Q, peak, at 20k, deviation,
// distance]]}.
val RankStageSettings(const val& input) {
  const StageSettingsInput in = StageInputFromTexts([&](const char* key) {
    const val value = input[key];
    return value.isString() ? value.as<std::string>() : std::string();
  });
  const StageSettingsResult& result = Session().FindStageSettings(in);
  val out = val::object();
  out.set("error", result.error);
  out.set("input", static_cast<int>(result.input));
  out.set("count", static_cast<double>(result.rows.size()));
  return out;
}

// Texts of the rows shown at [first, first + count), in the table's order,
// each starting with its rank.
val StageRows(int first, int count) {
  const StageSettingsResult& result = Session().StageResult();
  val rows = val::array();
  for (int i = std::max(first, 0); i < first + count; ++i) {
    const StageSettingRow* shown = Session().StageRowAt(i);
    if (shown == nullptr) break;
    const StageSettingTexts t = RowTexts(result, *shown);
    val row = val::array();
    row.call<void>("push", std::to_string(shown - result.rows.data() + 1));  // its rank
    for (const std::string* cell :
         {&t.setting, &t.C, &t.RL, &t.F, &t.Q, &t.peak, &t.levelAt20k, &t.deviation, &t.distance})
      row.call<void>("push", *cell);
    rows.call<void>("push", row);
  }
  return rows;
}

ChainTexts TransformerTexts(const val& input) {
  const auto text = [&](const char* key) {
    const val value = input[key];
    return value.isString() ? value.as<std::string>() : std::string();
  };
  return {text("ratio"), text("Rp"), text("Rs2"), text("C1"), text("Rsec"), text("rated")};
}

// {problem, rows: [[label, value]], rsec (the solver's E96 value to type)}.
val PanelObject(const ChainPanel& panel) {
  val out = val::object();
  out.set("problem", panel.problem);
  val rows = val::array();
  for (const ChainPanelRow& row : panel.rows) {
    val pair = val::array();
    pair.call<void>("push", row.label);
    pair.call<void>("push", row.value);
    rows.call<void>("push", pair);
  }
  out.set("rows", rows);
  out.set("rsec", FieldBytesToUtf8(panel.rsecText));
  return out;
}

}  // namespace

EMSCRIPTEN_BINDINGS(varnholt) {
  emscripten::function(
      "transformerPanel",
      +[](const val& input) { return PanelObject(Session().TransformerPanel(TransformerTexts(input))); });
  emscripten::function(
      "solveSecondaryResistor", +[](const val& input, const std::string& wanted) {
        return PanelObject(Session().SolveSecondaryResistor(TransformerTexts(input), wanted));
      });
  emscripten::function(
      "closeTransformerPanel", +[] { Session().CloseTransformerPanel(); });
  emscripten::function(
      "version", +[] { return std::string(VARNHOLT_VERSION); });
  emscripten::function("state", &State);
  emscripten::function("circuit", &Circuit);
  emscripten::function("setField", &SetField);
  emscripten::function("run", &Run);
  emscripten::function("takeMessages", &TakeMessages);
  emscripten::function(
      "chooseName", +[](int index) { Session().ChooseName(index); });
  emscripten::function("openPresetFile", &OpenPresetFile);
  emscripten::function(
      "useSamplePresets", +[] { Session().UseSamplePresets(); });
  emscripten::function(
      "readout", +[](int w, int h, int x, int y) { return Session().Readout(w, h, x, y); });
  emscripten::function(
      "dataTsv", +[](int w, int h) { return Session().DataTsv(w, h); });
  emscripten::function(
      "svg", +[](int w, int h) { return Session().Svg(w, h); });
  emscripten::function("paint", &Paint);
  emscripten::function("findStageSettings", &RankStageSettings);
  emscripten::function("stageRows", &StageRows);
  emscripten::function(
      "sortStageSettings",
      +[](int column, bool descending) { Session().SortStageSettings(column, descending); });
  emscripten::function(
      "applyStageSetting", +[](int index) { return Session().ApplyStageSetting(index); });
}
