#pragma once

#include "plot/PlotCanvas.h"
#include "plot/PlotFrame.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The six view fields of the response plot control, as one paint reads them.
struct ResponsePlotView {
  int m_bShowCurve;  // 1: current curve, black; 0: stale curve, light grey
  double m_dF;       // the curve's resonant frequency, hertz
  double m_dQ;       // the curve's quality factor
  double m_dCenterFreq;
  double m_dCenterDb;
  int m_nScale;  // pixels per decade and per 20 dB
};

// A view of the curve (F, Q) on the window's frame: centred on 10 kHz and
// -10 dB at 128 pixels per decade and per 20 dB.
inline ResponsePlotView MakeResponsePlotView(bool showCurve, double F, double Q) {
  return {showCurve ? 1 : 0, F, Q, 10000.0, -10.0, 128};
}

inline constexpr PlotColour kPlotWhite = 0xFFFFFF;
inline constexpr PlotColour kCurveColour = 0x000000;
inline constexpr PlotColour kMinorGridColour = 0xE0E0E0;
inline constexpr PlotColour kMajorGridColour = 0xC0C0C0;
inline constexpr PlotColour kLabelColour = 0x000000;

// A curve drawn over the plot besides its own, for comparing settings: its
// resonant frequency and quality factor, its colour, and its name in the
// legend (8-bit text, 0xB5 the micro sign). A curve that is not of that form
// gives its level instead: dB at a frequency (hertz), drawn in place of F and Q.
// The colour's name ("blue") says the legend in words.
struct PlotExtraCurve {
  double F;
  double Q;
  PlotColour colour;
  std::string name;
  std::function<double(double)> levelDb = {};
  std::string colourName = {};
};

inline constexpr std::size_t kMaxExtraCurves = 5;

// The colour of the extra curve `index` (modulo kMaxExtraCurves): Okabe and
// Ito's colours that readers with any common colour blindness tell apart,
// without their yellow, which is too light on white.
PlotColour ExtraCurveColour(std::size_t index);
// That colour's name in words: "blue", "vermilion", ...
const char* ExtraCurveColourName(std::size_t index);

// True when the view holds a curve to draw: F and Q are finite and positive.
// Before the first computation they hold no such value and no curve is drawn.
bool HasResponseCurve(const ResponsePlotView& view);

// True when the view's centre and scale lay out a frame; nothing else ever
// sets them otherwise, and the grid's loops would never end.
bool ResponsePlotFrameUsable(const ResponsePlotView& view);

// The frame a paint lays out on `client` (device pixels) at `pixelRatio`
// device pixels per logical pixel.
PlotFrame ResponsePlotFrame(const ResponsePlotView& view, const PlotRect& client, double pixelRatio);

// Draws the whole picture into the canvas's client area: white ground,
// frequency and level labels, the grid, and the magnitude curve. Extra curves
// (at most kMaxExtraCurves are drawn) go under the view's own curve, which
// stays on top, with a legend naming them; without any, nothing else changes.
void PaintResponsePlot(const ResponsePlotView& view, PlotCanvas& canvas,
                       const std::vector<PlotExtraCurve>& extras = {});

// A line to (x, y) when that point lies inside the client rectangle, bounds
// included; otherwise only a move there.
void ClippedLineTo(PlotCanvas& canvas, int x, int y);

// The whole text at (x, y) when that anchor lies inside the client rectangle,
// bounds included; otherwise nothing.
void ClippedTextOut(PlotCanvas& canvas, int x, int y, std::string_view text);
