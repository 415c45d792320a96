#pragma once

#include "chain/Chain.h"
#include "plot/ResponsePlotPaint.h"

// The chain's colour on the plot, one no compared curve takes (brown, as
// 0x00BBGGRR).
inline constexpr PlotColour kChainCurveColour = 0x13458B;

// The chain's normalised response as a curve over the window's plot, with its
// legend entry ("1:10 transformer").
PlotExtraCurve ChainPlotCurve(const ChainValues& chain);
