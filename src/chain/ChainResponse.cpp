#include "ChainResponse.h"

#include "circuit/Circuit.h"
#include "circuit/ResponseFigures.h"

#include <cmath>
#include <vector>

namespace {

constexpr double kLowestDecade = 0.0;   // 1 Hz
constexpr double kHighestDecade = 7.0;  // 10 MHz
// Enough for any peak to lie between the neighbours of the highest sample:
// a cartridge's resonance is no narrower than a few per cent.
constexpr int kPerDecade = 20;
constexpr int kRefineSteps = 80;

// The level at 10^u hertz, as ChainLevelDb gives it, with the level at the
// lowest frequencies worked out once.
struct Sampled {
  const ChainValues& chain;
  double dc = std::norm(ChainDenominator(chain, 0.0));
  double LevelAt(double u) const {
    return 10.0 * std::log10(dc / std::norm(ChainDenominator(chain, std::pow(10.0, u))));
  }
};

// The u in [a, b] where sign * level is largest, the curve there being unimodal.
double GoldenMax(const Sampled& s, double a, double b, double sign) {
  const double g = (std::sqrt(5.0) - 1.0) / 2.0;
  double x1 = b - g * (b - a), x2 = a + g * (b - a);
  double y1 = sign * s.LevelAt(x1), y2 = sign * s.LevelAt(x2);
  for (int i = 0; i < kRefineSteps && b - a > 1e-12; ++i) {
    if (y1 < y2) {
      a = x1;
      x1 = x2;
      y1 = y2;
      x2 = a + g * (b - a);
      y2 = sign * s.LevelAt(x2);
    } else {
      b = x2;
      x2 = x1;
      y2 = y1;
      x1 = b - g * (b - a);
      y1 = sign * s.LevelAt(x1);
    }
  }
  return (a + b) / 2.0;
}

// The u in [a, b] where the level falls through -drop (above at a, below at b).
double FallPoint(const Sampled& s, double a, double b, double drop) {
  for (int i = 0; i < kRefineSteps && b - a > 1e-13; ++i) {
    const double m = (a + b) / 2.0;
    (s.LevelAt(m) > -drop ? a : b) = m;
  }
  return (a + b) / 2.0;
}

CurveFigures FromClosedForms(const EquivalentNetwork& e, double bandEdgeHz) {
  const double F = ResonantFrequency(e.L, e.RS, e.C, e.RL);
  const double Q = QualityFactor(e.L, e.RS, e.C, e.RL);
  CurveFigures out;
  out.peak = Peak(F, Q);
  out.fall05Hz = FallFrequency(F, Q, 0.5);
  out.fall1Hz = FallFrequency(F, Q, 1.0);
  out.fall3Hz = FallFrequency(F, Q, 3.0);
  out.levelAt20kDb = LevelDb(kAudibleHighHz, F, Q);
  out.deviationDb = LargestDeviationDb(F, Q, kAudibleLowHz, bandEdgeHz);
  return out;
}

CurveFigures FromSamples(const ChainValues& chain, double bandEdgeHz) {
  const Sampled s{chain};
  const int count = static_cast<int>((kHighestDecade - kLowestDecade) * kPerDecade) + 1;
  std::vector<double> u(count), level(count);
  for (int i = 0; i < count; ++i) {
    u[i] = kLowestDecade + static_cast<double>(i) / kPerDecade;
    level[i] = s.LevelAt(u[i]);
  }
  CurveFigures out;
  int top = 0;
  for (int i = 1; i < count; ++i)
    if (level[i] > level[top]) top = i;
  int fallFrom = 0;
  if (top > 0 && top < count - 1) {
    const double at = GoldenMax(s, u[top - 1], u[top + 1], 1.0);
    const double peakLevel = s.LevelAt(at);
    if (peakLevel > 0.0) out.peak = ResponsePeak{std::pow(10.0, at), peakLevel};
    fallFrom = top;
  }
  const auto fall = [&](double drop) -> std::optional<double> {
    for (int i = fallFrom + 1; i < count; ++i)
      if (level[i] <= -drop) return std::pow(10.0, FallPoint(s, u[i - 1], u[i], drop));
    return std::nullopt;
  };
  out.fall05Hz = fall(0.5);
  out.fall1Hz = fall(1.0);
  out.fall3Hz = fall(3.0);
  out.levelAt20kDb = ChainLevelDb(chain, kAudibleHighHz);
  // Largest |level| over the band: its edges and every turn of the curve inside.
  const double u1 = std::log10(kAudibleLowHz), u2 = std::log10(bandEdgeHz);
  double best = ChainLevelDb(chain, kAudibleLowHz);
  const auto consider = [&best](double v) {
    if (std::fabs(v) > std::fabs(best)) best = v;
  };
  consider(ChainLevelDb(chain, bandEdgeHz));
  for (int i = 1; i + 1 < count; ++i) {
    if (u[i] <= u1 || u[i] >= u2) continue;
    const bool high = level[i] >= level[i - 1] && level[i] >= level[i + 1];
    const bool low = level[i] <= level[i - 1] && level[i] <= level[i + 1];
    if (!high && !low) continue;
    const double a = std::max(u[i - 1], u1), b = std::min(u[i + 1], u2);
    consider(s.LevelAt(GoldenMax(s, a, b, high ? 1.0 : -1.0)));
  }
  out.deviationDb = best;
  return out;
}

}  // namespace

std::optional<EquivalentNetwork> EquivalentOf(const ChainValues& c) {
  if (c.C1 > 0.0) return std::nullopt;
  if (c.N == 1.0 && c.Rp == 0.0 && c.Rs2 == 0.0 && !(c.Rsec > 0.0))
    return EquivalentNetwork{c.L, c.RS, c.C, c.RL};
  const double n2 = c.N * c.N;
  return EquivalentNetwork{c.L, c.RS + c.Rp + c.Rs2 / n2, n2 * c.C, SecondaryLoad(c) / n2};
}

CurveFigures ChainCurveFigures(const ChainValues& chain, double bandEdgeHz) {
  if (const auto e = EquivalentOf(chain)) return FromClosedForms(*e, bandEdgeHz);
  return FromSamples(chain, bandEdgeHz);
}
