#include "ResponseFigures.h"

#include "Circuit.h"

#include <algorithm>
#include <cmath>

// With x = (f / F)^2 the response's squared magnitude is 1 / D(x), where
// D(x) = x^2 + a x + 1 and a = 1/Q^2 - 2: a parabola in x, so its minimum (the
// peak) and the points where it reaches a given level are roots of quadratics.

namespace {

bool IsPositiveFinite(double v) { return std::isfinite(v) && v > 0.0; }

bool IsFrequency(double f) { return std::isfinite(f) && f >= 0.0; }

// log10 of D = (1 - r^2)^2 + (r / Q)^2, the same D written so that neither
// term is squared before its logarithm is taken: right however far r and Q
// lie from 1, where r^4 or 1/Q^2 overflow and D near F underflows to zero.
double Log10DScaled(double r, double Q) {
  if (r == 0.0) return 0.0;
  const double logQTerm = std::log10(r) - std::log10(Q);  // log10(r / Q)
  const double r2 = r * r;
  const double p = std::isfinite(r2) ? std::fabs(1.0 - r2) : 0.0;
  const double logPTerm = std::isfinite(r2) ? (p > 0.0 ? std::log10(p) : -HUGE_VAL) : 2.0 * std::log10(r);
  const double high = std::max(logQTerm, logPTerm);
  const double low = std::min(logQTerm, logPTerm);
  return 2.0 * high + std::log1p(std::pow(10.0, 2.0 * (low - high))) / std::log(10.0);
}

// Level in dB of the valid curve at the valid frequency f.
double Level(double f, double F, double Q) {
  const double r = f / F;
  const double a = (1.0 / (Q * Q)) - 2.0;
  const double d = ((r * r) * r) * r + a * r * r + 1.0;
  if (std::isfinite(d) && d > 0.0) return -10.0 * std::log10(d);
  return -10.0 * Log10DScaled(r, Q);
}

}  // namespace

bool IsValidCurve(double F, double Q) { return IsPositiveFinite(F) && IsPositiveFinite(Q); }

std::optional<double> LevelDb(double f, double F, double Q) {
  if (!IsValidCurve(F, Q) || !IsFrequency(f)) return std::nullopt;
  return Level(f, F, Q);
}

std::optional<double> PhaseDeg(double f, double F, double Q) {
  if (!IsValidCurve(F, Q) || !IsFrequency(f)) return std::nullopt;
  // H(j w) = 1 / (1 - r^2 + j r / Q).
  const double r = f / F;
  const double deg = -std::atan2(r / Q, 1.0 - r * r) * (180.0 / GetPi());
  return deg == 0.0 ? 0.0 : deg;  // no "-0" at f = 0
}

std::optional<ResponsePeak> Peak(double F, double Q) {
  if (!IsValidCurve(F, Q)) return std::nullopt;
  const double h = 1.0 / (2.0 * Q * Q);  // 1 / (2 Q^2)
  if (!(h < 1.0)) return std::nullopt;   // Q <= 1/sqrt(2): the response only falls
  // D at its minimum x = 1 - h is h (2 - h) = (1 - h / 2) / Q^2, so the level
  // is 20 log10 Q - 10 log10(1 - h / 2): no cancellation, no overflow of Q^2.
  const double level = 20.0 * std::log10(Q) - (10.0 / std::log(10.0)) * std::log1p(-h / 2.0);
  return ResponsePeak{F * std::sqrt(1.0 - h), level};
}

std::optional<double> FallFrequency(double F, double Q, double dropDb) {
  if (!IsValidCurve(F, Q) || !IsPositiveFinite(dropDb)) return std::nullopt;
  // D(x) = g with g = 10^(drop/10) > 1: the product of the roots is 1 - g < 0,
  // so exactly one root is positive, and it lies above the peak.
  const double gm1 = std::expm1(dropDb * (std::log(10.0) / 10.0));  // g - 1
  const double a = (1.0 / (Q * Q)) - 2.0;
  const double s = std::sqrt(a * a + 4.0 * gm1);
  double f;
  if (std::isfinite(s)) {
    // Whichever form of the root adds rather than subtracts.
    const double x = a <= 0.0 ? (s - a) / 2.0 : (2.0 * gm1) / (a + s);
    f = F * std::sqrt(x);
  } else {
    // a^2 overflows (Q far below 1): the root 2 (g-1) / (a + s) with Q^2
    // taken out of a and s, so that nothing is squared that could overflow.
    const double b = 1.0 - 2.0 * (Q * Q);                               // a Q^2
    const double t = std::sqrt(b * b + 4.0 * gm1 * (Q * Q) * (Q * Q));  // s Q^2
    f = F * (Q * std::sqrt((2.0 * gm1) / (b + t)));
  }
  if (!std::isfinite(f) || !(f > 0.0)) return std::nullopt;  // beyond the range of a double
  return f;
}

std::optional<double> LargestDeviationDb(double F, double Q, double f1, double f2) {
  if (!IsValidCurve(F, Q) || !IsFrequency(f1) || !IsFrequency(f2) || f1 > f2) return std::nullopt;
  // The level rises to the peak (if any) and then falls, so its extremes over a
  // band are at the band's edges or at the peak.
  double best = Level(f1, F, Q);
  const double atF2 = Level(f2, F, Q);
  if (std::fabs(atF2) > std::fabs(best)) best = atF2;
  if (const auto peak = Peak(F, Q); peak && peak->frequency > f1 && peak->frequency < f2) {
    if (std::fabs(peak->levelDb) > std::fabs(best)) best = peak->levelDb;
  }
  return best;
}
