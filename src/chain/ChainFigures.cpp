#include "ChainFigures.h"

#include "circuit/Circuit.h"

#include <cmath>

namespace {

bool Finite(const std::optional<double>& v) { return !v || std::isfinite(*v); }

}  // namespace

std::optional<ChainFigures> ComputeChainFigures(const ChainValues& c, std::optional<double> ratedMv,
                                                double bandEdgeHz, std::string& problem) {
  ChainFigures out{};
  const std::complex<double> y = 1.0 / ChainLoadSeen(c, kChainFigureHz);
  out.loadR = 1.0 / y.real();
  out.loadC = y.imag() / ((GetPi() + GetPi()) * kChainFigureHz);
  out.idealR = c.Rp + (c.Rs2 + SecondaryLoad(c)) / (c.N * c.N);
  out.idealC = c.C1 + (c.N * c.N) * c.C;
  const double gain = std::abs(ChainTransfer(c, kChainFigureHz));
  out.levelDb = 20.0 * std::log10(gain);
  out.idealDb = 20.0 * std::log10(c.N);
  if (ratedMv) out.stageMv = *ratedMv * gain;
  out.curve = ChainCurveFigures(c, bandEdgeHz);
  const CurveFigures& r = out.curve;
  const bool finite = std::isfinite(out.loadR) && std::isfinite(out.loadC) && std::isfinite(out.idealR) &&
                      std::isfinite(out.idealC) && std::isfinite(out.levelDb) && std::isfinite(out.idealDb) &&
                      Finite(out.stageMv) && std::isfinite(std::abs(ChainTransfer(c, 0.0))) &&
                      (!r.peak || (std::isfinite(r.peak->frequency) && std::isfinite(r.peak->levelDb))) &&
                      Finite(r.fall05Hz) && Finite(r.fall1Hz) && Finite(r.fall3Hz) &&
                      Finite(r.levelAt20kDb) && Finite(r.deviationDb);
  if (!finite) {
    problem = "These values are out of range: the chain's figures would not be numbers.";
    return std::nullopt;
  }
  return out;
}
