#include "FrequencySolver.h"

#include "Circuit.h"

double CapacitanceForFrequency(double L, double RS, double RL, double Ft) {
  const double omega = 2.0 * GetPi() * Ft;
  return (RS + RL) / (omega * omega * L * RL);
}
