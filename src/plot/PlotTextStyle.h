#pragma once

#include <functional>
#include <string>
#include <string_view>

// How the plot's labels are set, on the SVG and the pixel canvas alike: the
// font's family (8-bit field bytes) and size, and its ascent, line height and
// the advance of a text, all in pixels. Without an
// `advance` the width of a label cell is estimated from the size. The
// window's own style is WindowPlotTextStyle (WindowPlot.h).
struct PlotTextStyle {
  std::string family = "DejaVu Sans";
  double pixelSize = 32.0 / 3.0;
  double ascent = 10.0;
  double height = 13.0;
  std::function<double(std::string_view)> advance;
};
