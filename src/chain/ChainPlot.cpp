#include "ChainPlot.h"

#include "engnum/NumberText.h"

PlotExtraCurve ChainPlotCurve(const ChainValues& chain) {
  PlotExtraCurve curve{0.0, 0.0, kChainCurveColour, "1:" + FormatShortest(chain.N) + " transformer"};
  curve.levelDb = [chain](double f) { return ChainLevelDb(chain, f); };
  curve.colourName = "brown";
  return curve;
}
