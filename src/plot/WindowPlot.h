#pragma once

#include "plot/SvgPlotCanvas.h"

#include <string>
#include <vector>

// The window's plot as the window lays it out on a 96-dpi screen: its size,
// the dialog font its labels are set in, and that font's cell metrics. The
// window builds its font from the family and size here, and varnholt-calc
// draws its pictures from all of it, so that a picture from either is the
// same document. The metrics are those the window's font measures on a
// 96-dpi screen (its tests compare them).
inline constexpr int kWindowPlotWidth = 352;
inline constexpr int kWindowPlotHeight = 325;
inline constexpr const char* kWindowFontFamily = "DejaVu Sans";
inline constexpr double kWindowFontPoints = 7.0;
inline constexpr double kWindowDpi = 96.0;

// The labels' style for an SVG picture of the window's plot.
PlotTextStyle WindowPlotTextStyle();

// The window's picture of the curve (F, Q) as an SVG document: its frame,
// size and labels, and any curves drawn over it.
std::string RenderWindowPlotSvg(double F, double Q, bool showCurve,
                                const std::vector<PlotExtraCurve>& extras = {});
