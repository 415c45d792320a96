#pragma once

#include "chain/Chain.h"
#include "circuit/ResponseFigures.h"

#include <optional>

// The figures the window's plot gives for a curve (peak, the -0.5/-1/-3 dB
// points, the level at 20 kHz, the largest deviation over a band), for the
// chain's normalised response (ChainLevelDb).
struct CurveFigures {
  std::optional<ResponsePeak> peak;
  std::optional<double> fall05Hz, fall1Hz, fall3Hz;  // above the peak, if any
  std::optional<double> levelAt20kDb;
  std::optional<double> deviationDb;  // signed largest level over 20 Hz .. band edge
};

// The bare network that has the chain's normalised response, when there is
// one: with nothing before the transformer (C1 = 0) the chain is a series R-L
// into a parallel R-C, L with RS + Rp + Rs2/N^2 into N^2 C parallel (RL||Rsec)/N^2.
struct EquivalentNetwork {
  double L, RS, C, RL;
};
std::optional<EquivalentNetwork> EquivalentOf(const ChainValues& chain);

// The figures: from the closed forms of src/circuit for the equivalent network
// when there is one, otherwise found on the curve itself between 1 Hz and
// 10 MHz (sampled, then refined to the last bits that matter).
CurveFigures ChainCurveFigures(const ChainValues& chain, double bandEdgeHz);
