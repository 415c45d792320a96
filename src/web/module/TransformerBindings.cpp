// The Step-Up Transformer panel's entry points: the page hands the
// transformer's texts by key and shows the rows the core words.
#include "ModuleSession.h"
#include "engnum/FieldTextUtf8.h"

#include <emscripten/bind.h>

using emscripten::val;

namespace {

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

EMSCRIPTEN_BINDINGS(varnholt_transformer) {
  emscripten::function(
      "transformerPanel",
      +[](const val& input) { return PanelObject(Session().TransformerPanel(TransformerTexts(input))); });
  emscripten::function(
      "solveSecondaryResistor", +[](const val& input, const std::string& wanted) {
        return PanelObject(Session().SolveSecondaryResistor(TransformerTexts(input), wanted));
      });
  emscripten::function(
      "closeTransformerPanel", +[] { Session().CloseTransformerPanel(); });
}
