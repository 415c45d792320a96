#include "QuadraticSolver.h"

#include "Circuit.h"

#include <cmath>

// Products are evaluated left to right in the order written, so results agree
// to the last bit with the same formula wherever it is computed.

QuadraticCoefficients CFromQCoefficients(double L, double RS, double RL, double Qt) {
  return {Qt * Qt * RS * RS * RL * RL,                       //
          2.0 * Qt * Qt * L * RS * RL - L * RL * (RS + RL),  //
          Qt * Qt * L * L};
}

QuadraticCoefficients RLFromQCoefficients(double L, double RS, double C, double Qt) {
  return {Qt * Qt * RS * RS * C * C - L * C,        //
          2.0 * Qt * Qt * L * RS * C - L * C * RS,  //
          Qt * Qt * L * L};
}

QuadraticRoots SolveQuadratic(const QuadraticCoefficients& k) {
  const double root = std::sqrt(k.b * k.b - 4.0 * k.a * k.c);
  return {(-k.b - root) / (2.0 * k.a), (-k.b + root) / (2.0 * k.a)};
}

bool CandidateVerifies(double x, double Qt, double Qx) {
  if (!(x > 0.0)) return false;
  const double deviation = std::fabs((Qt - Qx) / Qt);
  return deviation <= kQTolerance;  // false for not-a-number
}

namespace {

template <typename QualityOf>
std::optional<double> FirstVerifiedRoot(const QuadraticCoefficients& k, double Qt, QualityOf qualityOf) {
  const QuadraticRoots roots = SolveQuadratic(k);
  if (CandidateVerifies(roots.x1, Qt, qualityOf(roots.x1))) return roots.x1;
  if (CandidateVerifies(roots.x2, Qt, qualityOf(roots.x2))) return roots.x2;
  return std::nullopt;
}

}  // namespace

std::optional<double> SolveCFromQ(double L, double RS, double RL, double Qt) {
  return FirstVerifiedRoot(CFromQCoefficients(L, RS, RL, Qt), Qt,
                           [&](double C) { return QualityFactor(L, RS, C, RL); });
}

std::optional<double> SolveRLFromQ(double L, double RS, double C, double Qt) {
  return FirstVerifiedRoot(RLFromQCoefficients(L, RS, C, Qt), Qt,
                           [&](double RL) { return QualityFactor(L, RS, C, RL); });
}
