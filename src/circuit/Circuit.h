#pragma once

#include <cmath>

// The working record of the six quantities that the commands exchange, and
// the formulas of a cartridge (L in series with RS) loaded by C parallel RL.
// Quantities are doubles in base SI units; Q is a plain ratio. The formulas
// check nothing: callers keep zero, negative and non-finite operands away or
// judge the result themselves.

struct CircuitValues {
  double Q;   // quality factor of the loaded network
  double F;   // resonant frequency, hertz
  double RL;  // load resistance, ohm
  double C;   // total load capacitance, farad
  double RS;  // coil resistance, ohm
  double L;   // inductance, henry
};

// The one process-wide record; all zero at start, never reset.
extern CircuitValues g_circuit;

// Pi, computed once as acos(-1) and cached.
double GetPi();

double ResonantFrequency(double L, double RS, double C, double RL);
double QualityFactor(double L, double RS, double C, double RL);

// QualityFactor with the other operands read from g_circuit at the moment of the call.
double QualityFactorForC(double C);
double QualityFactorForRL(double RL);
double QualityFactorForCRL(double C, double RL);

// Serial Q of the cartridge alone: sqrt(L / C) / RS.
double SerialQualityFactor(double L, double C, double RS);

// Magnitude of the normalised second-order low-pass at frequency f: 1 at f = 0,
// Q at f = F. Runs once per plot column: inline, no allocation, only a square
// root.
inline double ResponseMagnitude(double f, double F, double Q) {
  const double r = f / F;
  return 1.0 / std::sqrt(((r * r) * r) * r + ((1.0 / (Q * Q)) - 2.0) * r * r + 1.0);
}
