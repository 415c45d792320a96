#include "plot/PlotCanvas.h"

#include <cstddef>
#include <cstdint>

namespace {

// The edge of cell `index` of `count` along a side of `length` pixels from `start`.
int CellEdge(int start, int length, int index, int count) {
  return start + static_cast<int>(std::int64_t{length} * index / count);
}

}  // namespace

void PlotCanvas::DrawCells(const PlotRect& rect, int columns, int rows, const PlotColour* cells) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (columns <= 0 || rows <= 0 || width <= 0 || height <= 0) return;
  for (int j = 0; j < rows; ++j) {
    const int top = CellEdge(rect.top, height, j, rows);
    const int bottom = CellEdge(rect.top, height, j + 1, rows);
    if (top == bottom) continue;
    const PlotColour* row = cells + static_cast<std::size_t>(j) * columns;
    for (int i = 0; i < columns;) {
      int end = i + 1;
      while (end < columns && row[end] == row[i]) ++end;
      FillSolidRect(
          {CellEdge(rect.left, width, i, columns), top, CellEdge(rect.left, width, end, columns), bottom},
          row[i]);
      i = end;
    }
  }
}
