#pragma once

// C for a wanted resonant frequency: F = sqrt((RS + RL) / (L*C*RL)) / (2*pi)
// solved for C. Closed form; an absurd Ft gives 0 or infinity, which the
// command refuses.
double CapacitanceForFrequency(double L, double RS, double RL, double Ft);
