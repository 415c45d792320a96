// Replays the page's cases (cases.json) on the native build of the page's
// window and prints what the page must show, as JSON; replay.js runs the same
// cases through WebAssembly and compares. Doubles go as their bits.
#include "WebSession.h"
#include "circuit/Circuit.h"
#include "engnum/FieldTextUtf8.h"
#include "loads/StageSettingTexts.h"

#include <nlohmann/json.hpp>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>

using nlohmann::json;

namespace {

std::string Bits(double value) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx",
                static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(value)));
  return text;
}

std::string Hash(std::string_view bytes) {
  std::uint32_t h = 2166136261u;
  for (const char c : bytes) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
  return Bits(static_cast<double>(h));
}

std::string Text(const json& object, const char* key) {
  return object.contains(key) ? object[key].get<std::string>() : std::string();
}

json State(WebSession& session) {
  WebView& view = session.View();
  json fields = json::array();
  for (int i = 0; i < 6; ++i) fields.push_back(session.FieldText(static_cast<Field>(i)));
  json messages = json::array();
  for (const WebView::Message& m : view.TakeMessages()) {
    messages.push_back(
        {{"caption", FieldBytesToUtf8(m.caption)}, {"text", FieldBytesToUtf8(m.text)}, {"field", m.field}});
  }
  return {{"fields", fields},
          {"names", session.NameTexts()},
          {"selected", view.Selected()},
          {"hint", FieldBytesToUtf8(view.Hint())},
          {"messages", messages},
          {"curve", {Bits(view.CurveF()), Bits(view.CurveQ()), view.CurveCurrent()}},
          {"circuit",
           {Bits(g_circuit.L), Bits(g_circuit.RS), Bits(g_circuit.C), Bits(g_circuit.RL), Bits(g_circuit.F),
            Bits(g_circuit.Q)}},
          {"description", session.Description()}};
}

// A picture from one of the session's painters: its size, pixels and labels.
template <auto paint>
json Painted(const WebSession& session, int w, int h, double ratio) {
  PixelBuffer pixels;
  std::vector<WebSession::Label> labels;
  int dw = 0;
  int dh = 0;
  (session.*paint)(w, h, ratio, pixels, dw, dh, labels);
  json labelList = json::array();
  for (const WebSession::Label& l : labels) labelList.push_back({l.x, l.y, l.text, l.colour});
  return {{"size", {dw, dh}},
          {"pixels", Hash({reinterpret_cast<const char*>(pixels.data()), pixels.size() * 4})},
          {"labels", labelList}};
}

json Plot(WebSession& session, int w, int h, double ratio) {
  json readouts = json::array();
  for (const auto& [x, y] : {std::pair{0, 0}, {100, 50}, {175, 162}, {w - 1, h - 1}, {w / 3, h / 4}})
    readouts.push_back(session.Readout(w, h, x, y));
  json plot = Painted<&WebSession::Paint>(session, w, h, ratio);
  plot.update(
      {{"readouts", readouts}, {"tsv", Hash(session.DataTsv(w, h))}, {"svg", Hash(session.Svg(w, h))}});
  return plot;
}

json Map(WebSession& session, int w, int h, double ratio) {
  json map = Painted<&WebSession::PaintMap>(session, w, h, ratio);
  map.update({{"readout", session.MapReadout(w, h, w / 2, h / 2)}, {"svg", Hash(session.MapSvg(w, h))}});
  return map;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: web_expected cases.json sample-presets\n";
    return 2;
  }
  std::ifstream in(argv[1]);
  const json cases = json::parse(in);
  std::ifstream samples(argv[2], std::ios::binary);
  WebSession session(std::string(std::istreambuf_iterator<char>(samples), {}));
  json out = json::array();
  for (const json& step : cases["steps"]) {
    json result;
    if (step.contains("type")) {
      for (int i = 0; i < 3; ++i)
        session.TypeField(static_cast<Field>(i), step["type"][i].get<std::string>());
    }
    if (step.contains("fields")) {
      for (int i = 0; i < 6; ++i)
        session.TypeField(static_cast<Field>(i), step["fields"][i].get<std::string>());
    }
    if (step.contains("open")) result["open"] = FieldBytesToUtf8(session.OpenPresetFile(Text(step, "open")));
    if (step.contains("samples")) session.UseSamplePresets();
    if (step.contains("choose")) session.ChooseName(step["choose"].get<int>());
    if (step.contains("run")) session.Run(step["run"].get<std::string>());
    if (step.contains("stage")) {
      const json& s = step["stage"];
      const StageSettingsInput input = StageInputFromTexts([&](const char* key) { return Text(s, key); });
      const json sort = step.value("sort", json::array({-1, false}));
      session.SortStageSettings(sort[0].get<int>(), sort[1].get<bool>());
      const StageSettingsResult& r = session.FindStageSettings(input);
      json rows = json::array();
      for (int i = 0; i < 5 && session.StageRowAt(i); ++i) {
        const StageSettingRow& row = *session.StageRowAt(i);
        const StageSettingTexts t = RowTexts(r, row);
        rows.push_back({std::to_string(&row - r.rows.data() + 1), t.setting, t.C, t.RL, t.F, t.Q, t.peak,
                        t.levelAt20k, t.deviation, t.distance});
      }
      result["stage"] = {
          {"error", r.error}, {"input", StageInputKey(r.input)}, {"count", r.rows.size()}, {"rows", rows}};
      result["applied"] = session.ApplyStageSetting(step["apply"].get<int>());
    }
    if (step.contains("transformer")) {
      const json& t = step["transformer"];
      const ChainTexts texts{Text(t, "ratio"), Text(t, "Rp"),   Text(t, "Rs2"),
                             Text(t, "C1"),    Text(t, "Rsec"), Text(t, "rated")};
      const auto object = [](const ChainPanel& panel) {
        json rows = json::array();
        for (const ChainPanelRow& row : panel.rows) rows.push_back({row.label, row.value});
        return json{{"problem", panel.problem}, {"rows", rows}, {"rsec", FieldBytesToUtf8(panel.rsecText)}};
      };
      result["transformer"] = object(session.TransformerPanel(texts));
      if (step.contains("wanted"))
        result["solved"] = object(session.SolveSecondaryResistor(texts, step["wanted"].get<std::string>()));
    }
    if (step.contains("plot")) {
      json plots = json::array();
      for (const json& p : step["plot"]) plots.push_back(Plot(session, p[0], p[1], p[2]));
      result["plot"] = plots;
    }
    if (step.contains("map")) {
      session.MakeLoadMap();
      for (const json& m : step["map"]) result["map"].push_back(Map(session, m[0], m[1], m[2]));
    }
    if (step.contains("closeTransformer")) session.CloseTransformerPanel();
    result["state"] = State(session);
    out.push_back({{"name", step["name"]}, {"result", result}});
  }
  std::cout << out.dump(1) << '\n';
  return 0;
}
