// The finder's entry points: the page hands its texts by key and shows the
// rows, the count, the sort and the input at fault as the core gives them.
#include "ModuleSession.h"
#include "loads/StageSettingTexts.h"

#include <emscripten/bind.h>

#include <algorithm>

using emscripten::val;

namespace {

// Ranks the finder's inputs (texts as typed by key, modes as "switches" or
// not, rankBy "target" or not): {error, input (its key), count, countText,
// sortColumn, sortDescending}.
val RankStageSettings(const val& input) {
  const StageSettingsInput in = StageInputFromTexts([&](const char* key) {
    const val value = input[key];
    return value.isString() ? value.as<std::string>() : std::string();
  });
  const StageSettingsResult& result = Session().FindStageSettings(in);
  val out = val::object();
  out.set("error", result.error);
  out.set("input", std::string(StageInputKey(result.input)));
  out.set("count", static_cast<double>(result.rows.size()));
  out.set("countText", result.error.empty() ? Session().StageCountText() : std::string());
  return out;
}

val SortState() {
  val out = val::object();
  out.set("column", Session().SortColumn());
  out.set("descending", Session().SortDescending());
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

val StageDefaults() {
  val out = val::object();
  for (const auto& [key, text] : StageDefaultTexts()) out.set(key, text);
  return out;
}

// {F, Q} the finder wants from the window's fields, or null when either is
// not a value above zero.
val WantedFromFields() {
  std::string F;
  std::string Q;
  if (!Session().WantedFromFields(F, Q)) return val::null();
  val out = val::object();
  out.set("F", F);
  out.set("Q", Q);
  return out;
}

}  // namespace

EMSCRIPTEN_BINDINGS(varnholt_stage) {
  emscripten::function("findStageSettings", &RankStageSettings);
  emscripten::function("stageRows", &StageRows);
  emscripten::function("stageDefaults", &StageDefaults);
  emscripten::function("stageWanted", &WantedFromFields);
  emscripten::function("stageSort", &SortState);
  emscripten::function(
      "sortStageSettings",
      +[](int column, bool descending) { Session().SortStageSettings(column, descending); });
  emscripten::function(
      "compareStageSettings", +[](const val& indices) {
        Session().CompareStageSettings(emscripten::convertJSArrayToNumberVector<int>(indices));
      });
  emscripten::function(
      "applyStageSetting", +[](int index) { return Session().ApplyStageSetting(index); });
}
