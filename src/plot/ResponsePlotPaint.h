#pragma once

#include "plot/PlotCanvas.h"

#include <string_view>

// The six view fields of the response plot control, as one paint reads them.
struct ResponsePlotView {
  int m_bShowCurve;  // 1: current curve, black; 0: stale curve, light grey
  double m_dF;       // the curve's resonant frequency, hertz
  double m_dQ;       // the curve's quality factor
  double m_dCenterFreq;
  double m_dCenterDb;
  int m_nScale;  // pixels per decade and per 20 dB
};

inline constexpr PlotColour kPlotWhite = 0xFFFFFF;
inline constexpr PlotColour kCurveColour = 0x000000;
inline constexpr PlotColour kMinorGridColour = 0xE0E0E0;
inline constexpr PlotColour kMajorGridColour = 0xC0C0C0;
inline constexpr PlotColour kLabelColour = 0x000000;

// True when the view holds a curve to draw: F and Q are finite and positive.
// Before the first computation they hold no such value and no curve is drawn.
bool HasResponseCurve(const ResponsePlotView& view);

// Draws the whole picture into the canvas's client area: white ground,
// frequency and level labels, the grid, and the magnitude curve.
void PaintResponsePlot(const ResponsePlotView& view, PlotCanvas& canvas);

// A line to (x, y) when that point lies inside the client rectangle, bounds
// included; otherwise only a move there.
void ClippedLineTo(PlotCanvas& canvas, int x, int y);

// The whole text at (x, y) when that anchor lies inside the client rectangle,
// bounds included; otherwise nothing.
void ClippedTextOut(PlotCanvas& canvas, int x, int y, std::string_view text);
