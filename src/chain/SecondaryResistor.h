#pragma once

#include "chain/Chain.h"

#include <optional>
#include <string>

// The resistor across the secondary that makes the cartridge see a wanted load
// (ohm) in the ideal reflected sense, Rp + (Rs2 + RL||Rsec) / N^2, and the
// nearest standard values with the load each gives. The chain's own Rsec is
// ignored: it is what is solved.
struct StandardResistor {
  double ohms;
  double loadSeen;  // Rp + (Rs2 + RL||ohms) / N^2
};

struct SecondaryResistorSolution {
  double exact;  // ohm
  StandardResistor e24, e96;
};

// The solution, or a plain message in `problem` when no resistor can give the
// wanted load: one across the secondary only lowers the load, and never below
// the windings' resistance.
std::optional<SecondaryResistorSolution> SolveSecondaryResistor(const ChainValues& chain, double wantedLoad,
                                                                std::string& problem);

// The value of the series (24 or 96 values a decade) nearest to `ohms` on a
// logarithmic scale; a tie goes to the lower value.
double NearestStandardValue(double ohms, int valuesPerDecade);
