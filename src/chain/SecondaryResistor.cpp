#include "SecondaryResistor.h"

#include "engnum/NumberText.h"

#include <array>
#include <cmath>

namespace {

// The E24 and E96 series, one decade, in hundredths.
constexpr std::array<int, 24> kE24 = {100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
                                      330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910};
constexpr std::array<int, 96> kE96 = {
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143, 147, 150, 154, 158,
    162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210, 215, 221, 226, 232, 237, 243, 249, 255,
    261, 267, 274, 280, 287, 294, 301, 309, 316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412,
    422, 432, 442, 453, 464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};

template <std::size_t Count>
double Nearest(double ohms, const std::array<int, Count>& series) {
  const double decade = std::pow(10.0, std::floor(std::log10(ohms)));
  double best = 0.0, bestDistance = HUGE_VAL;
  // The decade's values and the next decade's first, which may lie nearer.
  for (std::size_t i = 0; i <= Count; ++i) {
    const double v = i < Count ? series[i] / 100.0 * decade : 10.0 * decade;
    const double distance = std::fabs(std::log(v / ohms));
    if (distance < bestDistance) {
      best = v;
      bestDistance = distance;
    }
  }
  return best;
}

double LoadWith(ChainValues chain, double rsec) {
  chain.Rsec = rsec;
  return chain.Rp + (chain.Rs2 + SecondaryLoad(chain)) / (chain.N * chain.N);
}

std::string Ohms(double v) { return FormatShortest(v) + " ohm"; }

}  // namespace

double NearestStandardValue(double ohms, int valuesPerDecade) {
  return valuesPerDecade == 24 ? Nearest(ohms, kE24) : Nearest(ohms, kE96);
}

std::optional<SecondaryResistorSolution> SolveSecondaryResistor(const ChainValues& chain, double wantedLoad,
                                                                std::string& problem) {
  if (!std::isfinite(wantedLoad) || !(wantedLoad > 0.0)) {
    problem = "The wanted load must be a resistance greater than zero.";
    return std::nullopt;
  }
  const double n2 = chain.N * chain.N;
  const double most = LoadWith(chain, 0.0);
  const double least = chain.Rp + chain.Rs2 / n2;
  if (!(wantedLoad < most)) {
    problem = "No resistor across the secondary can give " + Ohms(wantedLoad) +
              ": it can only lower the load, which is " + Ohms(most) + " without one.";
    return std::nullopt;
  }
  if (!(wantedLoad > least)) {
    problem = "No resistor across the secondary can give " + Ohms(wantedLoad) +
              ": the windings' resistance alone is " + Ohms(least) + ".";
    return std::nullopt;
  }
  // RL || Rsec must be (wanted - Rp) N^2 - Rs2.
  const double parallel = (wantedLoad - chain.Rp) * n2 - chain.Rs2;
  const double exact = 1.0 / (1.0 / parallel - 1.0 / chain.RL);
  if (!std::isfinite(exact) || !(exact > 0.0)) {
    problem = "No resistor across the secondary can give " + Ohms(wantedLoad) + ".";
    return std::nullopt;
  }
  SecondaryResistorSolution out{exact, {}, {}};
  for (auto [series, target] : {std::pair{24, &out.e24}, std::pair{96, &out.e96}}) {
    target->ohms = NearestStandardValue(exact, series);
    target->loadSeen = LoadWith(chain, target->ohms);
  }
  return out;
}
