#include "plot/PlotFrame.h"

#include <cmath>

int TruncToPixels(double offset) {
  if (!(offset > -kFarPixels)) return -kFarPixels;
  if (offset >= kFarPixels) return kFarPixels;
  return static_cast<int>(offset);
}

PlotFrame::PlotFrame(const PlotRect& rect, double centerFreqHz, double centerLevelDb, double pixelsPerDecade)
    : client(rect),
      cx((rect.left + rect.right) / 2),
      cy((rect.top + rect.bottom) / 2),
      centerFreq(centerFreqHz),
      centerDb(centerLevelDb),
      scale(pixelsPerDecade) {}

int PlotFrame::ColumnOf(double frequency) const {
  return cx + TruncToPixels(std::log10(frequency / centerFreq) * scale);
}

int PlotFrame::RowOf(double levelDb) const { return cy - TruncToPixels((levelDb - centerDb) / 20 * scale); }

double PlotFrame::FrequencyAt(int x) const {
  return centerFreq * std::pow(10.0, static_cast<double>(x - cx) / scale);
}

double PlotFrame::LevelAt(int y) const { return static_cast<double>(cy - y) * 20 / scale + centerDb; }
