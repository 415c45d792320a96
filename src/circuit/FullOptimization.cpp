#include "FullOptimization.h"

#include "FrequencySolver.h"
#include "QuadraticSolver.h"

std::optional<LoadPair> OptimizeCAndRL(double L, double RS, double RL0, double Ft, double Qt) {
  // Each iteration starts from the C that the previous one ended with: both
  // are C from F at the same RL, so it is computed once.
  LoadPair pair{CapacitanceForFrequency(L, RS, RL0, Ft), RL0};
  for (int i = 0; i < kFullOptimizationIterations; ++i) {
    const std::optional<double> RL = SolveRLFromQ(L, RS, pair.C, Qt);
    if (!RL) return std::nullopt;
    pair.RL = *RL;
    pair.C = CapacitanceForFrequency(L, RS, pair.RL, Ft);
  }
  return pair;
}
