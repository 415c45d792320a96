#include "Chain.h"

#include "circuit/Circuit.h"

#include <cmath>

// One nodal analysis, written with admittances so that an absent part (C1 = 0,
// Rsec none) drops out exactly rather than through a huge impedance.

namespace {

using Complex = std::complex<double>;

struct Nodes {
  Complex zl2;   // impedance at the stage input: C total || RL || Rsec
  Complex zsec;  // the secondary branch: Rs2 + zl2
  Complex zp;    // the primary branch: Rp + zsec / N^2
  Complex z1;    // what the cartridge sees: C1 || zp
};

Nodes Solve(const ChainValues& c, double f) {
  const double w = (GetPi() + GetPi()) * f;
  Complex y2(1.0 / c.RL, w * c.C);
  if (c.Rsec > 0.0) y2 += 1.0 / c.Rsec;
  Nodes n;
  n.zl2 = 1.0 / y2;
  n.zsec = c.Rs2 + n.zl2;
  n.zp = c.Rp + n.zsec / (c.N * c.N);
  n.z1 = c.C1 > 0.0 ? 1.0 / (Complex(0.0, w * c.C1) + 1.0 / n.zp) : n.zp;
  return n;
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

std::complex<double> ChainTransfer(const ChainValues& c, double f) {
  const Nodes n = Solve(c, f);
  const Complex zc(c.RS, (GetPi() + GetPi()) * f * c.L);
  // Divider at the primary node, then the primary winding's share, the ratio
  // and the secondary winding's share.
  const Complex primary = n.z1 / (zc + n.z1);
  return primary * ((n.zsec / (c.N * c.N)) / n.zp) * c.N * (n.zl2 / n.zsec);
}

std::complex<double> ChainLoadSeen(const ChainValues& c, double f) { return Solve(c, f).z1; }

double ChainLevelDb(const ChainValues& c, double f) {
  return 20.0 * std::log10(std::abs(ChainTransfer(c, f)) / std::abs(ChainTransfer(c, 0.0)));
}

double SecondaryLoad(const ChainValues& c) { return c.Rsec > 0.0 ? 1.0 / (1.0 / c.RL + 1.0 / c.Rsec) : c.RL; }
