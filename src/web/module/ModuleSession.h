#pragma once

#include "WebSession.h"

#include <emscripten/val.h>

#include <vector>

// The one session the page's module serves, with the sample presets and the
// user's file in the module's in-memory file system.
WebSession& Session();

template <typename T>
emscripten::val ArrayOf(const std::vector<T>& items) {
  emscripten::val array = emscripten::val::array();
  for (const T& item : items) array.call<void>("push", item);
  return array;
}
