// The load map's entry points: made from the finder's last ranking, painted,
// read out and applied by the core.
#include "ModuleSession.h"

#include <emscripten/bind.h>

EMSCRIPTEN_BINDINGS(varnholt_map) {
  emscripten::function(
      "makeLoadMap", +[] { return Session().MakeLoadMap(); });
  emscripten::function("paintMap", &PaintedPicture<&WebSession::PaintMap>);
  emscripten::function(
      "mapReadout", +[](int w, int h, int x, int y) { return Session().MapReadout(w, h, x, y); });
  emscripten::function(
      "mapSvg", +[](int w, int h) { return Session().MapSvg(w, h); });
  emscripten::function(
      "applyMapAt", +[](int w, int h, int x, int y) { return Session().ApplyMapAt(w, h, x, y); });
}
