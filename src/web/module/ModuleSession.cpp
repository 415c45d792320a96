#include "ModuleSession.h"

#include "SamplePresets.h"
#include "plot/WindowPlot.h"

WebSession& Session() {
  static WebSession session{std::string(kSamplePresets)};
  return session;
}

emscripten::val PictureOf(const PixelBuffer& pixels, int width, int height,
                          const std::vector<WebSession::Label>& labels) {
  using emscripten::val;
  val picture = val::object();
  picture.set("width", width);
  picture.set("height", height);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(pixels.data());
  picture.set("pixels", val(emscripten::typed_memory_view(pixels.size() * 4, bytes)));
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
  const PlotTextStyle style = WindowPlotTextStyle();
  val font = val::object();
  font.set("family", style.family);
  font.set("pixelSize", style.pixelSize);
  font.set("ascent", style.ascent);
  picture.set("font", font);
  return picture;
}
