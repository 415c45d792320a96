#include "ui/RasterPlotCanvas.h"

#include "ui/FieldText.h"

#include <QPainter>
#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>

QRgb ToQRgb(PlotColour colour) {
  return qRgb(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
              static_cast<int>((colour >> 16) & 0xFF));
}

PlotColour ToPlotColour(QRgb rgb) {
  return static_cast<PlotColour>(qRed(rgb)) | static_cast<PlotColour>(qGreen(rgb)) << 8 |
         static_cast<PlotColour>(qBlue(rgb)) << 16;
}

namespace {

// The image in the one format the pixel canvas writes, converted in place.
QImage& AsRgb32(QImage& image) {
  if (image.format() != QImage::Format_RGB32) image = image.convertToFormat(QImage::Format_RGB32);
  return image;
}

// Both convert first, whichever the compiler evaluates first.
std::uint32_t* Pixels(QImage& image) { return reinterpret_cast<std::uint32_t*>(AsRgb32(image).bits()); }
std::ptrdiff_t Stride(QImage& image) { return AsRgb32(image).bytesPerLine() / 4; }

}  // namespace

RasterPlotCanvas::RasterPlotCanvas(QImage& image, const QFont& font)
    : PixelPlotCanvas(Pixels(image), image.width(), image.height(), Stride(image), image.devicePixelRatio(),
                      PixelLayout::kArgbWord),
      m_image(image),
      m_font(font),
      m_metrics(font, &image),
      m_ratio(image.devicePixelRatio()) {}

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
  painter.setPen(QColor(ToQRgb(TextColour())));
  painter.drawText(x, y + m_metrics.ascent(), string);
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
  painter.setPen(QColor(ToQRgb(TextColour())));
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
