#pragma once

#include "plot/PlotCanvas.h"
#include "plot/PlotTextStyle.h"
#include "plot/ResponsePlotPaint.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The plot canvas as an SVG document, one user unit per logical pixel. The same
// paint as on the raster canvas: lines are one unit wide on the pixel grid
// (horizontal and vertical ones covering exactly the raster's pixels), the
// line mix "AND" becomes the blend mode darken (the same colour for the greys
// and black the plot uses), and labels are text on a white cell, escaped.
class SvgPlotCanvas : public PlotCanvas {
 public:
  SvgPlotCanvas(int width, int height, PlotTextStyle style = {});

  PlotRect GetClientRect() override;
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

  // The whole document, ended; the canvas is spent afterwards.
  std::string Finish();

 private:
  PlotColour ColourOf(PlotObject object) const;
  void Rect(double x, double y, double w, double h, PlotColour colour);
  void FlushPath();

  int m_width;
  int m_height;
  PlotTextStyle m_style;
  std::string m_out;
  std::vector<std::pair<PlotColour, bool>> m_objects;  // colour, alive; 0 is the black pen
  PlotObject m_pen = 0;
  PlotLineMix m_mix = PlotLineMix::kCopyPen;
  PlotColour m_textColour = 0x000000;
  int m_x = 0;
  int m_y = 0;
  // Consecutive lines of one pen and mix share a path.
  std::string m_path;
  PlotColour m_pathColour = 0;
  PlotLineMix m_pathMix = PlotLineMix::kCopyPen;
  bool m_pathAtPen = false;  // the path's pen position is the canvas's
};

// One whole paint of `view` as an SVG document of `width` x `height` pixels.
std::string RenderPlotSvg(const ResponsePlotView& view, int width, int height,
                          const PlotTextStyle& style = {}, const std::vector<PlotExtraCurve>& extras = {});

// Latin-1 bytes as UTF-8 text fit for XML content and attributes: markup
// characters as entities, control characters as U+FFFD.
std::string XmlEscape(std::string_view latin1);
