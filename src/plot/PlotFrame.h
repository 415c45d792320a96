#pragma once

#include "plot/PlotCanvas.h"

// Values this far from the centre, in pixels, lie outside every client area a
// window can have, yet keep sums with the centre inside the int range.
inline constexpr int kFarPixels = 1 << 28;

// A real pixel offset made an integer by truncation toward zero. Offsets beyond
// kFarPixels, infinities and not-a-number saturate to -kFarPixels or kFarPixels
// (not-a-number to -kFarPixels, which puts a level below the area) so that the
// conversion is always defined.
int TruncToPixels(double offset);

// The plot's coordinate frame for one client rectangle: a logarithmic
// frequency axis and a decibel axis, both `scale` pixels per decade or 20 dB
// (a whole number at one device pixel per logical pixel),
// with `centerFreq` and `centerDb` at the centre of the rectangle.
struct PlotFrame {
  PlotRect client;
  int cx;  // (left + right) / 2, truncated
  int cy;  // (top + bottom) / 2, truncated
  double centerFreq;
  double centerDb;
  double scale;

  PlotFrame(const PlotRect& rect, double centerFreqHz, double centerLevelDb, double pixelsPerDecade);

  int ColumnOf(double frequency) const;
  int RowOf(double levelDb) const;
  double FrequencyAt(int x) const;
  double LevelAt(int y) const;
};
