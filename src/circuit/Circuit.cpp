#include "Circuit.h"

#include <cmath>

// Every expression is evaluated in the operand order written here, so that
// results agree to the last bit wherever they are computed.

CircuitValues g_circuit = {0.0, 0.0, 0.0, 0.0, 0.0, 0.0};

namespace {
int g_piCached = 0;
double g_pi = 0.0;
}  // namespace

double GetPi() {
  if (!g_piCached) {
    g_pi = std::acos(-1.0);
    g_piCached = 1;
  }
  return g_pi;
}

double ResonantFrequency(double L, double RS, double C, double RL) {
  const double pi = GetPi();
  const double n = RS + RL;
  const double d = (L * C) * RL;
  return std::sqrt(n / d) / (pi + pi);
}

double QualityFactor(double L, double RS, double C, double RL) {
  const double a = (L * C) * RL;
  const double b = RS + RL;
  return std::sqrt(a * b) / (((RS * RL) * C) + L);
}

double QualityFactorForC(double C) { return QualityFactor(g_circuit.L, g_circuit.RS, C, g_circuit.RL); }

double QualityFactorForRL(double RL) { return QualityFactor(g_circuit.L, g_circuit.RS, g_circuit.C, RL); }

double QualityFactorForCRL(double C, double RL) { return QualityFactor(g_circuit.L, g_circuit.RS, C, RL); }

double SerialQualityFactor(double L, double C, double RS) { return std::sqrt(L / C) / RS; }
