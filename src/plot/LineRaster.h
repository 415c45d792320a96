#pragma once

#include "plot/PlotCanvas.h"

#include <algorithm>
#include <cstdint>

// The pixels of a one-pixel aliased line from (x0, y0) to (x1, y1), the end
// pixel excluded, restricted to the pixels inside `clip`. With n = max(|dx|, |dy|)
// the line has n pixels; pixel i lies i steps along the major axis and
// |dminor| * i / n (rounded half up) along the minor one. Only the steps whose
// major coordinate lies inside the clip are visited, so an end point far
// outside costs nothing and changes none of the visible pixels.
template <typename PlotPixel>
void RasterLine(int x0, int y0, int x1, int y1, const PlotRect& clip, PlotPixel&& plotPixel) {
  // 2 * |dminor| * i reaches 2^65 for end points at opposite ends of the int range.
  __extension__ typedef __int128 Wide;

  const std::int64_t dx = std::int64_t{x1} - x0;
  const std::int64_t dy = std::int64_t{y1} - y0;
  const std::int64_t adx = dx < 0 ? -dx : dx;
  const std::int64_t ady = dy < 0 ? -dy : dy;
  const std::int64_t n = std::max(adx, ady);
  if (n == 0 || clip.left >= clip.right || clip.top >= clip.bottom) return;

  const bool xMajor = adx >= ady;
  const std::int64_t major0 = xMajor ? x0 : y0;
  const std::int64_t minor0 = xMajor ? y0 : x0;
  const int majorStep = (xMajor ? dx : dy) < 0 ? -1 : 1;
  const int minorStep = (xMajor ? dy : dx) < 0 ? -1 : 1;
  const std::int64_t minorRun = xMajor ? ady : adx;
  const std::int64_t majorLo = xMajor ? clip.left : clip.top;
  const std::int64_t majorHi = xMajor ? clip.right : clip.bottom;  // exclusive
  const std::int64_t minorLo = xMajor ? clip.top : clip.left;
  const std::int64_t minorHi = xMajor ? clip.bottom : clip.right;  // exclusive

  std::int64_t first;
  std::int64_t last;
  if (majorStep > 0) {
    first = std::max<std::int64_t>(0, majorLo - major0);
    last = std::min<std::int64_t>(n - 1, majorHi - 1 - major0);
  } else {
    first = std::max<std::int64_t>(0, major0 - majorHi + 1);
    last = std::min<std::int64_t>(n - 1, major0 - majorLo);
  }
  if (first > last) return;

  // Minor offset k(i) = floor((2 * minorRun * i + n) / (2 * n)), carried forward
  // by its remainder after the one wide division at the first visited step.
  const std::int64_t twoN = 2 * n;
  const Wide start = Wide{2} * minorRun * first + n;
  std::int64_t offset = static_cast<std::int64_t>(start / twoN);
  std::int64_t remainder = static_cast<std::int64_t>(start % twoN);

  for (std::int64_t i = first; i <= last; ++i) {
    const std::int64_t major = major0 + majorStep * i;
    const std::int64_t minor = minor0 + minorStep * offset;
    if (minor >= minorLo && minor < minorHi) {
      if (xMajor) {
        plotPixel(static_cast<int>(major), static_cast<int>(minor));
      } else {
        plotPixel(static_cast<int>(minor), static_cast<int>(major));
      }
    } else if ((minorStep > 0 && minor >= minorHi) || (minorStep < 0 && minor < minorLo)) {
      break;  // left the clip for good
    }
    remainder += 2 * minorRun;
    if (remainder >= twoN) {
      remainder -= twoN;
      ++offset;
    }
  }
}
