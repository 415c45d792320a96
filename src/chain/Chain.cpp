#include "Chain.h"

#include "circuit/Circuit.h"

#include <cmath>

// Written with admittances so that an absent part (C1 = 0, Rsec none) drops
// out exactly rather than through a huge impedance.

namespace {

using Complex = std::complex<double>;

// The stage input's admittance: C total || RL || Rsec.
Complex StageAdmittance(const ChainValues& c, double w) {
  Complex y2(1.0 / c.RL, w * c.C);
  if (c.Rsec > 0.0) y2 += 1.0 / c.Rsec;
  return y2;
}

}  // namespace

ChainValues BareNetwork(double L, double RS, double C, double RL) {
  ChainValues chain;
  chain.L = L;
  chain.RS = RS;
  chain.C = C;
  chain.RL = RL;
  return chain;
}

// The nodes: the stage input zl2 = 1 / y2, the secondary branch Rs2 + zl2, the
// primary Rp + (Rs2 + zl2) / N^2 = P / (N^2 y2), C1 across it, the cartridge
// zc = RS + jw L in series. Their dividers multiplied out give H = N / D with
// D = P (1 + jw C1 zc) + N^2 zc y2 and P = (N^2 Rp + Rs2) y2 + 1: one division.
std::complex<double> ChainDenominator(const ChainValues& c, double f) {
  const double w = (GetPi() + GetPi()) * f;
  const Complex y2 = StageAdmittance(c, w);
  const double n2 = c.N * c.N;
  const Complex zc(c.RS, w * c.L);
  const Complex P = (n2 * c.Rp + c.Rs2) * y2 + 1.0;
  return P * (1.0 + Complex(0.0, w * c.C1) * zc) + n2 * (zc * y2);
}

std::complex<double> ChainTransfer(const ChainValues& c, double f) { return c.N / ChainDenominator(c, f); }

std::complex<double> ChainLoadSeen(const ChainValues& c, double f) {
  const double w = (GetPi() + GetPi()) * f;
  const Complex zp = c.Rp + (c.Rs2 + 1.0 / StageAdmittance(c, w)) / (c.N * c.N);
  return c.C1 > 0.0 ? 1.0 / (Complex(0.0, w * c.C1) + 1.0 / zp) : zp;
}

double ChainLevelDb(const ChainValues& c, double f) {
  return 10.0 * std::log10(std::norm(ChainDenominator(c, 0.0)) / std::norm(ChainDenominator(c, f)));
}

double SecondaryLoad(const ChainValues& c) { return c.Rsec > 0.0 ? 1.0 / (1.0 / c.RL + 1.0 / c.Rsec) : c.RL; }
