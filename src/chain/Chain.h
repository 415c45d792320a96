#pragma once

#include <complex>

// A cartridge (L in series with RS) through a step-up transformer into the
// stage: the capacitance before the transformer C1 (arm wiring and the cable
// to the transformer), the primary winding's resistance Rp, an ideal 1:N
// transformer, the secondary winding's resistance Rs2, then what loads the
// stage input: C total parallel RL, and an optional resistor Rsec across the
// secondary. Base SI units. With N = 1 and Rp = Rs2 = C1 = 0 and no Rsec the
// chain is the bare network of src/circuit.
struct ChainValues {
  double L = 0.0;     // henry
  double RS = 0.0;    // ohm
  double C1 = 0.0;    // farad, before the transformer
  double Rp = 0.0;    // ohm, primary winding
  double N = 1.0;     // turns ratio 1:N
  double Rs2 = 0.0;   // ohm, secondary winding
  double C = 0.0;     // farad, C total at the stage input
  double RL = 0.0;    // ohm, the stage's input resistance
  double Rsec = 0.0;  // ohm across the secondary; 0: none
};

// The chain's values for the bare network (no transformer).
ChainValues BareNetwork(double L, double RS, double C, double RL);

// Stage input voltage over the cartridge's voltage at frequency f (hertz,
// 0 allowed): complex, not normalised.
std::complex<double> ChainTransfer(const ChainValues& chain, double f);

// N over the transfer: what ChainTransfer and ChainLevelDb divide by.
std::complex<double> ChainDenominator(const ChainValues& chain, double f);

// The impedance the cartridge's terminals see at frequency f: C1 parallel the
// transformer's primary with everything behind it.
std::complex<double> ChainLoadSeen(const ChainValues& chain, double f);

// The level in dB at f relative to the level at the lowest frequencies (f -> 0),
// as the window's plot draws a curve.
double ChainLevelDb(const ChainValues& chain, double f);

// The resistance across the secondary with RL and Rsec together.
double SecondaryLoad(const ChainValues& chain);
