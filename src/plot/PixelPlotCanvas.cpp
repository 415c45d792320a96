#include "plot/PixelPlotCanvas.h"

#include "plot/LineRaster.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

PixelPlotCanvas::PixelPlotCanvas(std::uint32_t* pixels, int width, int height, std::ptrdiff_t stride,
                                 double pixelRatio, PixelLayout layout)
    : m_pixels(pixels),
      m_width(width),
      m_height(height),
      m_stride(stride),
      m_ratio(pixelRatio),
      m_layout(layout),
      m_lineWidth(std::max(1, static_cast<int>(std::lround(pixelRatio)))),
      m_objects{{0x000000, true}} {
  m_objects.reserve(8);
}

std::uint32_t PixelPlotCanvas::PixelOf(PlotColour colour) const {
  const std::uint32_t r = colour & 0xFF;
  const std::uint32_t g = (colour >> 8) & 0xFF;
  const std::uint32_t b = (colour >> 16) & 0xFF;
  if (m_layout == PixelLayout::kArgbWord) return 0xFF000000u | r << 16 | g << 8 | b;
  // R, G, B, A in memory on a little-endian machine, as WebAssembly is.
  return 0xFF000000u | b << 16 | g << 8 | r;
}

namespace {

// The pixels a run from `start` toward `end` covers (start included, end
// excluded) as the half-open range [first, last), limited to [lo, hi).
std::pair<int, int> HalfOpenSpan(int start, int end, int lo, int hi) {
  const std::int64_t first = start <= end ? start : std::int64_t{end} + 1;
  const std::int64_t last = start <= end ? end : std::int64_t{start} + 1;
  const std::int64_t from = std::max<std::int64_t>(first, lo);
  const std::int64_t to = std::min<std::int64_t>(last, hi);
  return {static_cast<int>(from), static_cast<int>(std::max(from, to))};
}

}  // namespace

PlotRect PixelPlotCanvas::GetClientRect() { return {0, 0, m_width, m_height}; }

double PixelPlotCanvas::GetPixelRatio() { return m_ratio; }

PlotObject PixelPlotCanvas::CreatePen(PlotColour colour) {
  m_objects.push_back({colour, true});
  return static_cast<PlotObject>(m_objects.size() - 1);
}

PlotObject PixelPlotCanvas::CreateSolidBrush(PlotColour colour) { return CreatePen(colour); }

PlotObject PixelPlotCanvas::SelectPen(PlotObject pen) {
  const PlotObject previous = m_pen;
  m_pen = pen;
  return previous;
}

void PixelPlotCanvas::DeleteObject(PlotObject object) {
  // The canvas's own pen and the selected pen stay, as a drawing context keeps them.
  if (object > 0 && object < static_cast<PlotObject>(m_objects.size()) && object != m_pen) {
    m_objects[object].alive = false;
  }
}

PlotColour PixelPlotCanvas::ColourOf(PlotObject object) const {
  if (object < 0 || object >= static_cast<PlotObject>(m_objects.size()) || !m_objects[object].alive) {
    return m_objects[0].colour;
  }
  return m_objects[object].colour;
}

void PixelPlotCanvas::SetLineMix(PlotLineMix mix) { m_mix = mix; }

void PixelPlotCanvas::SetTextColor(PlotColour colour) { m_textColour = colour; }

void PixelPlotCanvas::FrameRect(const PlotRect& rect, PlotObject brush) {
  if (rect.left >= rect.right || rect.top >= rect.bottom) return;
  const PlotColour colour = ColourOf(brush);
  const int w = m_lineWidth;
  FillSolidRect({rect.left, rect.top, rect.right, rect.top + w}, colour);
  FillSolidRect({rect.left, rect.bottom - w, rect.right, rect.bottom}, colour);
  FillSolidRect({rect.left, rect.top, rect.left + w, rect.bottom}, colour);
  FillSolidRect({rect.right - w, rect.top, rect.right, rect.bottom}, colour);
}

void PixelPlotCanvas::FillSolidRect(const PlotRect& rect, PlotColour colour) {
  const int left = std::max(rect.left, 0);
  const int top = std::max(rect.top, 0);
  const int right = std::min(rect.right, m_width);
  const int bottom = std::min(rect.bottom, m_height);
  if (left >= right || top >= bottom) return;
  // One row pixel by pixel, the others copied from it: the library's copy is
  // several times faster than a store per pixel.
  std::uint32_t* first = Row(top) + left;
  std::fill(first, first + (right - left), PixelOf(colour));
  const std::size_t bytes = static_cast<std::size_t>(right - left) * sizeof(std::uint32_t);
  for (int y = top + 1; y < bottom; ++y) std::memcpy(Row(y) + left, first, bytes);
}

void PixelPlotCanvas::MoveTo(int x, int y) {
  m_x = x;
  m_y = y;
}

void PixelPlotCanvas::LineTo(int x, int y) {
  const std::uint32_t pen = PixelOf(ColourOf(m_pen));
  // Either mix as (pixel & keep) | set, without a branch per pixel.
  const bool mask = m_mix == PlotLineMix::kMaskPen;
  const std::uint32_t keep = mask ? pen : 0;
  const std::uint32_t set = mask ? 0 : pen;
  const auto mix = [keep, set](std::uint32_t& pixel) { pixel = (pixel & keep) | set; };
  const PlotRect clip = GetClientRect();
  // A wide pen covers `w` rows below a horizontal line, `w` columns right of a
  // vertical one and a w x w block from each pixel of any other; mixing a pixel
  // twice with the same pen changes nothing, so the blocks may overlap.
  const int w = m_lineWidth;
  const auto band = [w](int at, int lo, int hi) {
    return std::pair{std::max(at, lo), static_cast<int>(std::min<std::int64_t>(std::int64_t{at} + w, hi))};
  };
  if (y == m_y) {
    // Grid lines are horizontal or vertical: walk the clipped span directly.
    const auto [from, to] = HalfOpenSpan(m_x, x, clip.left, clip.right);
    const auto [rowFrom, rowTo] = band(y, clip.top, clip.bottom);
    for (int py = rowFrom; py < rowTo; ++py) {
      std::uint32_t* row = Row(py);
      for (int px = from; px < to; ++px) mix(row[px]);
    }
  } else if (x == m_x) {
    const auto [from, to] = HalfOpenSpan(m_y, y, clip.top, clip.bottom);
    const auto [colFrom, colTo] = band(x, clip.left, clip.right);
    for (int py = from; py < to; ++py) {
      std::uint32_t* row = Row(py);
      for (int px = colFrom; px < colTo; ++px) mix(row[px]);
    }
  } else if (w == 1) {
    RasterLine(m_x, m_y, x, y, clip, [&](int px, int py) { mix(Row(py)[px]); });
  } else {
    RasterLine(m_x, m_y, x, y, clip, [&](int px, int py) {
      const int right = std::min(px + w, clip.right);
      const int bottom = std::min(py + w, clip.bottom);
      for (int by = py; by < bottom; ++by) {
        std::uint32_t* row = Row(by);
        for (int bx = px; bx < right; ++bx) mix(row[bx]);
      }
    });
  }
  m_x = x;
  m_y = y;
}

void PixelPlotCanvas::DrawCells(const PlotRect& rect, int columns, int rows, const PlotColour* cells) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (columns <= 0 || rows <= 0 || width <= 0 || height <= 0) return;
  const int left = std::max(rect.left, 0);
  const int right = std::min(rect.right, m_width);
  const int top = std::max(rect.top, 0);
  const int bottom = std::min(rect.bottom, m_height);
  if (left >= right || top >= bottom) return;
  // The cell of each column once; the cell of pixel p is the i with
  // edge(i) <= p < edge(i + 1), as the base class fills them.
  std::vector<int> cellOf(static_cast<std::size_t>(right - left));
  for (int x = left; x < right; ++x) {
    cellOf[x - left] = static_cast<int>(((std::int64_t{x - rect.left} + 1) * columns - 1) / width);
  }
  std::vector<std::uint32_t> line(cellOf.size());
  int lastRow = -1;
  for (int y = top; y < bottom; ++y) {
    const int row = static_cast<int>(((std::int64_t{y - rect.top} + 1) * rows - 1) / height);
    if (row != lastRow) {
      const PlotColour* source = cells + static_cast<std::size_t>(row) * columns;
      for (std::size_t i = 0; i < line.size(); ++i) line[i] = PixelOf(source[cellOf[i]]);
      lastRow = row;
    }
    std::memcpy(Row(y) + left, line.data(), line.size() * sizeof(std::uint32_t));
  }
}
