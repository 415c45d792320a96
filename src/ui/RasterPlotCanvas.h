#pragma once

#include "plot/PixelPlotCanvas.h"
#include "plot/ResponsePlotPaint.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>

// The plot canvas on a QImage (Format_RGB32). Lines and fills are the pixel
// canvas's own writes, exact to the pixel; only label glyphs go through
// QPainter. The image's device pixel ratio is the canvas's: lines and frames
// are that many whole pixels wide (rounded, at least one) and glyphs are drawn
// at the image's resolution.
class RasterPlotCanvas : public PixelPlotCanvas {
 public:
  // `image` is converted to Format_RGB32 if it has another format; it must
  // outlive the canvas. Labels use `font`.
  RasterPlotCanvas(QImage& image, const QFont& font);

  void TextOut(int x, int y, std::string_view text) override;

 private:
  void DrawTextScaled(int x, int y, const QString& string);

  QImage& m_image;
  QFont m_font;
  QFontMetrics m_metrics;
  double m_ratio;
};

// One whole paint of `view` into a new image of `size` logical pixels at
// `pixelRatio` device pixels each (the image is the size rounded up, in device
// pixels, and carries the ratio).
QImage RenderResponsePlot(const ResponsePlotView& view, QSize size, const QFont& font,
                          double pixelRatio = 1.0);

// 0x00BBGGRR to Qt's 0xAARRGGBB and back.
QRgb ToQRgb(PlotColour colour);
PlotColour ToPlotColour(QRgb rgb);
