#pragma once

// C for a wanted resonant frequency: F = sqrt((RS + RL) / (L*C*RL)) / (2*pi)
// solved for C. Closed form, nothing to verify.
double CapacitanceForFrequency(double L, double RS, double RL, double Ft);
