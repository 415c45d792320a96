#pragma once

#include "plot/PlotCanvas.h"
#include "plot/ResponsePlotPaint.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>

#include <vector>

// The plot canvas on a QImage (Format_RGB32). Lines and fills are our own
// pixel writes, exact to the pixel; only label glyphs go through QPainter.
// The image's device pixel ratio is the canvas's: lines and frames are that
// many whole pixels wide (rounded, at least one) and glyphs are drawn at the
// image's resolution.
class RasterPlotCanvas : public PlotCanvas {
 public:
  // `image` is converted to Format_RGB32 if it has another format; it must
  // outlive the canvas. Labels use `font`.
  RasterPlotCanvas(QImage& image, const QFont& font);

  PlotRect GetClientRect() override;
  double GetPixelRatio() override;
  PlotObject CreatePen(PlotColour colour) override;
  PlotObject CreateSolidBrush(PlotColour colour) override;
  PlotObject SelectPen(PlotObject pen) override;
  void DeleteObject(PlotObject object) override;
  void SetLineMix(PlotLineMix mix) override;
  void SetTextColor(PlotColour colour) override;
  void FrameRect(const PlotRect& rect, PlotObject brush) override;
  void FillSolidRect(const PlotRect& rect, PlotColour colour) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void TextOut(int x, int y, std::string_view text) override;
  void DrawCells(const PlotRect& rect, int columns, int rows, const PlotColour* cells) override;

 private:
  struct Object {
    PlotColour colour;
    bool alive;
  };

  PlotColour ColourOf(PlotObject object) const;
  void DrawTextScaled(int x, int y, const QString& string);

  QImage& m_image;
  QFont m_font;
  QFontMetrics m_metrics;
  double m_ratio;
  int m_lineWidth;                // device pixels
  std::vector<Object> m_objects;  // index = handle; 0 is the canvas's black pen
  PlotObject m_pen = 0;
  PlotLineMix m_mix = PlotLineMix::kCopyPen;
  PlotColour m_textColour = 0x000000;
  int m_x = 0;
  int m_y = 0;
};

// One whole paint of `view` into a new image of `size` logical pixels at
// `pixelRatio` device pixels each (the image is the size rounded up, in device
// pixels, and carries the ratio).
QImage RenderResponsePlot(const ResponsePlotView& view, QSize size, const QFont& font,
                          double pixelRatio = 1.0);

// 0x00BBGGRR to Qt's 0xAARRGGBB and back.
QRgb ToQRgb(PlotColour colour);
PlotColour ToPlotColour(QRgb rgb);
