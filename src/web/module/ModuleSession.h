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
emscripten::val PictureOf(const PixelBuffer& pixels, int width, int height,
                          const std::vector<WebSession::Label>& labels);

// A picture painted by one of the session's painters (Paint, PaintMap) at
// `width` x `height` CSS pixels times `ratio`, into pixels kept for that
// painter's next picture.
template <auto paint>
emscripten::val PaintedPicture(int width, int height, double ratio) {
  static PixelBuffer pixels;
  std::vector<WebSession::Label> labels;
  int deviceWidth = 0;
  int deviceHeight = 0;
  (Session().*paint)(width, height, ratio, pixels, deviceWidth, deviceHeight, labels);
  return PictureOf(pixels, deviceWidth, deviceHeight, labels);
}

template <typename T>
emscripten::val ArrayOf(const std::vector<T>& items) {
  emscripten::val array = emscripten::val::array();
  for (const T& item : items) array.call<void>("push", item);
  return array;
}
