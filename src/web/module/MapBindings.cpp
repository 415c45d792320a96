// The load map's entry points: made from the finder's last ranking, painted,
// read out and applied by the core.
#include "ModuleSession.h"

#include <emscripten/bind.h>

using emscripten::val;

namespace {

val PaintMap(int width, int height, double ratio) {
  static std::vector<std::uint32_t> pixels;
  std::vector<WebSession::Label> labels;
  int deviceWidth = 0;
  int deviceHeight = 0;
  Session().PaintMap(width, height, ratio, pixels, deviceWidth, deviceHeight, labels);
  return PictureOf(pixels, deviceWidth, deviceHeight, labels);
}

}  // namespace

EMSCRIPTEN_BINDINGS(varnholt_map) {
  emscripten::function(
      "makeLoadMap", +[] { return Session().MakeLoadMap(); });
  emscripten::function("paintMap", &PaintMap);
  emscripten::function(
      "mapReadout", +[](int w, int h, int x, int y) { return Session().MapReadout(w, h, x, y); });
  emscripten::function(
      "mapSvg", +[](int w, int h) { return Session().MapSvg(w, h); });
  emscripten::function(
      "applyMapAt", +[](int w, int h, int x, int y) { return Session().ApplyMapAt(w, h, x, y); });
}
