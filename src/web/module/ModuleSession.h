#pragma once

#include "WebSession.h"

#include <emscripten/val.h>

#include <cstdint>
#include <vector>

// The one session the page's module serves, with the sample presets and the
// user's file in the module's in-memory file system.
WebSession& Session();

// One paint for the page: {width, height, pixels (R G B A), labels
// [{x, y, text, colour}], font}. `pixels` is a view of `pixels` in the
// module's memory, not a copy (allocating a copy of a large picture costs
// more than the paint): read it before the next call into the module.
emscripten::val PictureOf(const std::vector<std::uint32_t>& pixels, int width, int height,
                          const std::vector<WebSession::Label>& labels);

template <typename T>
emscripten::val ArrayOf(const std::vector<T>& items) {
  emscripten::val array = emscripten::val::array();
  for (const T& item : items) array.call<void>("push", item);
  return array;
}
