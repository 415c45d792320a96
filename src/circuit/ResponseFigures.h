#pragma once

#include <optional>

// Figures of the normalised second-order low-pass that the plot draws
// (ResponseMagnitude: 0 dB at f = 0, Q at f = F), in closed form. A curve is
// given by its resonant frequency F (hertz) and quality factor Q; every
// function gives no figure (nullopt) when F or Q is not a positive finite
// number, or when a frequency it is handed is negative or not finite.

// The audible band the figures speak of: 20 Hz to 20 kHz.
inline constexpr double kAudibleLowHz = 20.0;
inline constexpr double kAudibleHighHz = 20000.0;

// True when F and Q are both positive finite numbers.
bool IsValidCurve(double F, double Q);

// Level in dB at frequency f: 20 log10 of ResponseMagnitude.
std::optional<double> LevelDb(double f, double F, double Q);

// Phase in degrees at frequency f: 0 at f = 0, -90 at F, towards -180.
std::optional<double> PhaseDeg(double f, double F, double Q);

struct ResponsePeak {
  double frequency;  // hertz: F * sqrt(1 - 1 / (2 Q^2))
  double levelDb;    // level there, above 0 dB
};

// The peak of the response; it exists exactly when Q > 1/sqrt(2).
std::optional<ResponsePeak> Peak(double F, double Q);

// The frequency at which the response falls through -dropDb (dropDb > 0, for
// example 0.5, 1 or 3), above the peak when there is one.
std::optional<double> FallFrequency(double F, double Q, double dropDb);

// The level of largest magnitude over the band [f1, f2] (0 <= f1 <= f2),
// signed (+ for a rise, - for a fall): exact, from the peak when it lies in
// the band and the band's edges, not sampled.
std::optional<double> LargestDeviationDb(double F, double Q, double f1, double f2);
