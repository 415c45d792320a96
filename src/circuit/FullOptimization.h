#pragma once

#include <optional>

// C and RL together for a wanted F and Q: alternate C from F and RL from Q a
// fixed number of times. There is no convergence test; the last pair counts.
inline constexpr int kFullOptimizationIterations = 52;

struct LoadPair {
  double C;
  double RL;
};

// Starts from RL0. Nothing when, in some iteration, neither root of RL from Q
// verifies (no real root, or no positive RL that reproduces Qt).
std::optional<LoadPair> OptimizeCAndRL(double L, double RS, double RL0, double Ft, double Qt);
