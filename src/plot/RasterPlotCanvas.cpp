#include "plot/RasterPlotCanvas.h"

#include "plot/LineRaster.h"
#include "ui/FieldText.h"

#include <QPainter>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

QRgb ToQRgb(PlotColour colour) {
  return qRgb(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
              static_cast<int>((colour >> 16) & 0xFF));
}

PlotColour ToPlotColour(QRgb rgb) {
  return static_cast<PlotColour>(qRed(rgb)) | static_cast<PlotColour>(qGreen(rgb)) << 8 |
         static_cast<PlotColour>(qBlue(rgb)) << 16;
}

RasterPlotCanvas::RasterPlotCanvas(QImage& image, const QFont& font)
    : m_image(image),
      m_font(font),
      m_metrics(font, &image),
      m_ratio(image.devicePixelRatio()),
      m_lineWidth(std::max(1, static_cast<int>(std::lround(m_ratio)))),
      m_objects{{0x000000, true}} {
  if (m_image.format() != QImage::Format_RGB32) m_image = m_image.convertToFormat(QImage::Format_RGB32);
  m_objects.reserve(8);
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

PlotRect RasterPlotCanvas::GetClientRect() { return {0, 0, m_image.width(), m_image.height()}; }

double RasterPlotCanvas::GetPixelRatio() { return m_ratio; }

PlotObject RasterPlotCanvas::CreatePen(PlotColour colour) {
  m_objects.push_back({colour, true});
  return static_cast<PlotObject>(m_objects.size() - 1);
}

PlotObject RasterPlotCanvas::CreateSolidBrush(PlotColour colour) { return CreatePen(colour); }

PlotObject RasterPlotCanvas::SelectPen(PlotObject pen) {
  const PlotObject previous = m_pen;
  m_pen = pen;
  return previous;
}

void RasterPlotCanvas::DeleteObject(PlotObject object) {
  // The canvas's own pen and the selected pen stay, as a drawing context keeps them.
  if (object > 0 && object < static_cast<PlotObject>(m_objects.size()) && object != m_pen) {
    m_objects[object].alive = false;
  }
}

PlotColour RasterPlotCanvas::ColourOf(PlotObject object) const {
  if (object < 0 || object >= static_cast<PlotObject>(m_objects.size()) || !m_objects[object].alive) {
    return m_objects[0].colour;
  }
  return m_objects[object].colour;
}

void RasterPlotCanvas::SetLineMix(PlotLineMix mix) { m_mix = mix; }

void RasterPlotCanvas::SetTextColor(PlotColour colour) { m_textColour = colour; }

void RasterPlotCanvas::FrameRect(const PlotRect& rect, PlotObject brush) {
  if (rect.left >= rect.right || rect.top >= rect.bottom) return;
  const PlotColour colour = ColourOf(brush);
  const int w = m_lineWidth;
  FillSolidRect({rect.left, rect.top, rect.right, rect.top + w}, colour);
  FillSolidRect({rect.left, rect.bottom - w, rect.right, rect.bottom}, colour);
  FillSolidRect({rect.left, rect.top, rect.left + w, rect.bottom}, colour);
  FillSolidRect({rect.right - w, rect.top, rect.right, rect.bottom}, colour);
}

void RasterPlotCanvas::FillSolidRect(const PlotRect& rect, PlotColour colour) {
  const int left = std::max(rect.left, 0);
  const int top = std::max(rect.top, 0);
  const int right = std::min(rect.right, m_image.width());
  const int bottom = std::min(rect.bottom, m_image.height());
  if (left >= right || top >= bottom) return;
  uchar* bits = m_image.bits();
  const qsizetype stride = m_image.bytesPerLine();
  // One row pixel by pixel, the others copied from it: the library's copy is
  // several times faster than a store per pixel.
  QRgb* first = reinterpret_cast<QRgb*>(bits + top * stride) + left;
  std::fill(first, first + (right - left), ToQRgb(colour));
  const std::size_t bytes = static_cast<std::size_t>(right - left) * sizeof(QRgb);
  for (int y = top + 1; y < bottom; ++y) {
    std::memcpy(reinterpret_cast<QRgb*>(bits + y * stride) + left, first, bytes);
  }
}

void RasterPlotCanvas::MoveTo(int x, int y) {
  m_x = x;
  m_y = y;
}

void RasterPlotCanvas::LineTo(int x, int y) {
  const QRgb pen = ToQRgb(ColourOf(m_pen));
  // Either mix as (pixel & keep) | set, without a branch per pixel.
  const bool mask = m_mix == PlotLineMix::kMaskPen;
  const QRgb keep = mask ? pen : 0;
  const QRgb set = mask ? 0 : pen;
  uchar* bits = m_image.bits();
  const qsizetype stride = m_image.bytesPerLine();
  const auto mix = [keep, set](QRgb& pixel) { pixel = (pixel & keep) | set; };
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
      QRgb* row = reinterpret_cast<QRgb*>(bits + py * stride);
      for (int px = from; px < to; ++px) mix(row[px]);
    }
  } else if (x == m_x) {
    const auto [from, to] = HalfOpenSpan(m_y, y, clip.top, clip.bottom);
    const auto [colFrom, colTo] = band(x, clip.left, clip.right);
    for (int py = from; py < to; ++py) {
      QRgb* row = reinterpret_cast<QRgb*>(bits + py * stride);
      for (int px = colFrom; px < colTo; ++px) mix(row[px]);
    }
  } else if (w == 1) {
    RasterLine(m_x, m_y, x, y, clip,
               [&](int px, int py) { mix(reinterpret_cast<QRgb*>(bits + py * stride)[px]); });
  } else {
    RasterLine(m_x, m_y, x, y, clip, [&](int px, int py) {
      const int right = std::min(px + w, clip.right);
      const int bottom = std::min(py + w, clip.bottom);
      for (int by = py; by < bottom; ++by) {
        QRgb* row = reinterpret_cast<QRgb*>(bits + by * stride);
        for (int bx = px; bx < right; ++bx) mix(row[bx]);
      }
    });
  }
  m_x = x;
  m_y = y;
}

void RasterPlotCanvas::TextOut(int x, int y, std::string_view text) {
  if (m_image.isNull()) return;
  const QString string = FromFieldBytes(text);
  if (m_ratio != 1.0) {
    DrawTextScaled(x, y, string);
    return;
  }
  const int width = m_metrics.horizontalAdvance(string);
  FillSolidRect({x, y, x + width, y + m_metrics.height()}, 0xFFFFFF);
  QPainter painter(&m_image);
  painter.setFont(m_font);
  painter.setPen(QColor(ToQRgb(m_textColour)));
  painter.drawText(x, y + m_metrics.ascent(), string);
}

void RasterPlotCanvas::DrawCells(const PlotRect& rect, int columns, int rows, const PlotColour* cells) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (columns <= 0 || rows <= 0 || width <= 0 || height <= 0) return;
  const int left = std::max(rect.left, 0);
  const int right = std::min(rect.right, m_image.width());
  const int top = std::max(rect.top, 0);
  const int bottom = std::min(rect.bottom, m_image.height());
  if (left >= right || top >= bottom) return;
  // The cell of each column once; the cell of pixel p is the i with
  // edge(i) <= p < edge(i + 1), as the base class fills them.
  std::vector<int> cellOf(static_cast<std::size_t>(right - left));
  for (int x = left; x < right; ++x) {
    cellOf[x - left] = static_cast<int>(((std::int64_t{x - rect.left} + 1) * columns - 1) / width);
  }
  std::vector<QRgb> line(cellOf.size());
  uchar* bits = m_image.bits();
  const qsizetype stride = m_image.bytesPerLine();
  int lastRow = -1;
  for (int y = top; y < bottom; ++y) {
    const int row = static_cast<int>(((std::int64_t{y - rect.top} + 1) * rows - 1) / height);
    if (row != lastRow) {
      const PlotColour* source = cells + static_cast<std::size_t>(row) * columns;
      for (std::size_t i = 0; i < line.size(); ++i) line[i] = ToQRgb(source[cellOf[i]]);
      lastRow = row;
    }
    std::memcpy(reinterpret_cast<QRgb*>(bits + y * stride) + left, line.data(), line.size() * sizeof(QRgb));
  }
}

// The cell and glyphs in logical units, which the painter maps onto the image's
// device pixels; the cell is rounded out to whole device pixels.
void RasterPlotCanvas::DrawTextScaled(int x, int y, const QString& string) {
  const QFontMetricsF metrics(m_font, &m_image);
  const int width = static_cast<int>(std::ceil(metrics.horizontalAdvance(string) * m_ratio));
  const int height = static_cast<int>(std::ceil(metrics.height() * m_ratio));
  FillSolidRect({x, y, x + width, y + height}, 0xFFFFFF);
  QPainter painter(&m_image);
  painter.setFont(m_font);
  painter.setPen(QColor(ToQRgb(m_textColour)));
  painter.drawText(QPointF(x / m_ratio, y / m_ratio + metrics.ascent()), string);
}

QImage RenderResponsePlot(const ResponsePlotView& view, QSize size, const QFont& font, double pixelRatio) {
  QImage image(size, QImage::Format_RGB32);
  if (pixelRatio != 1.0) {
    image = QImage(static_cast<int>(std::ceil(size.width() * pixelRatio)),
                   static_cast<int>(std::ceil(size.height() * pixelRatio)), QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
  }
  RasterPlotCanvas canvas(image, font);
  PaintResponsePlot(view, canvas);
  return image;
}
