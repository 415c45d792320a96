// The page's entry points into the core (embind). Each moves texts and numbers
// between JavaScript and a WebSession; nothing is computed here.
#include "ModuleSession.h"
#include "Version.h"
#include "circuit/Circuit.h"
#include "engnum/FieldTextUtf8.h"
#include "engnum/StrictValue.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cstdint>
#include <vector>

using emscripten::val;

namespace {

Field FieldAt(int index) { return static_cast<Field>(index < 0 || index > 5 ? 0 : index); }

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
    item.set("field", message.field);  // the field to mark, -1 for none
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

// Empty when `text` (UTF-8) is one whole value by the strict reader, else why not.
std::string ReadValueProblem(const std::string& text) {
  double value = 0.0;
  std::string problem;
  if (ReadStrictValue(Utf8ToFieldBytes(text), value, &problem)) return std::string();
  return FieldBytesToUtf8(problem);
}

}  // namespace

EMSCRIPTEN_BINDINGS(varnholt) {
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
      "presetFileLimit", +[] {
        val limit = val::object();
        limit.set("bytes", static_cast<double>(kMaxPresetFileBytes));
        limit.set("text", std::string(kPresetFileTooLargeText));
        return limit;
      });
  emscripten::function(
      "useSamplePresets", +[] { Session().UseSamplePresets(); });
  emscripten::function(
      "readout", +[](int w, int h, int x, int y) { return Session().Readout(w, h, x, y); });
  emscripten::function(
      "dataTsv", +[](int w, int h) { return Session().DataTsv(w, h); });
  emscripten::function(
      "svg", +[](int w, int h) { return Session().Svg(w, h); });
  emscripten::function("paint", &PaintedPicture<&WebSession::Paint>);
  emscripten::function(
      "legend", +[] { return Session().Legend(); });
  emscripten::function("readValueProblem", &ReadValueProblem);
}
