#pragma once

#include <optional>

// C or RL for a wanted Q. Squaring Q = sqrt(L*C*RL*(RL + RS)) / (L + C*RS*RL)
// gives a quadratic in the sought component; a root counts only once it is put
// back into the Q formula and reproduces the wanted Q.

struct QuadraticCoefficients {
  double a;
  double b;
  double c;
};

struct QuadraticRoots {
  double x1;  // (-b - sqrt(D)) / (2a), tried first
  double x2;  // (-b + sqrt(D)) / (2a)
};

// Relative tolerance on the Q that a candidate reproduces.
inline constexpr double kQTolerance = 0.001;

QuadraticCoefficients CFromQCoefficients(double L, double RS, double RL, double Qt);
QuadraticCoefficients RLFromQCoefficients(double L, double RS, double C, double Qt);

// A negative discriminant gives not-a-number roots; they never verify.
QuadraticRoots SolveQuadratic(const QuadraticCoefficients& k);

// A candidate verifies when it is a positive component and its Q, Qx, deviates
// from Qt by a number not greater than kQTolerance. A not-a-number deviation
// (no real root) fails, so no value that no component can give is ever written.
bool CandidateVerifies(double x, double Qt, double Qx);

// The first root that verifies, x1 before x2; nothing when neither does.
std::optional<double> SolveCFromQ(double L, double RS, double RL, double Qt);
std::optional<double> SolveRLFromQ(double L, double RS, double C, double Qt);
