#pragma once

#include "chain/Chain.h"
#include "chain/ChainResponse.h"

#include <optional>
#include <string>

inline constexpr double kChainFigureHz = 1000.0;  // where the load seen and the level are given

// Everything the chain's panel and `varnholt-calc chain` show.
struct ChainFigures {
  double loadR;                   // ohm: the load the cartridge sees at 1 kHz as R parallel C
  double loadC;                   // farad (negative when the load is inductive there)
  double idealR;                  // ohm: Rp + (Rs2 + RL||Rsec) / N^2
  double idealC;                  // farad: C1 + N^2 C total
  double levelDb;                 // stage input over the cartridge's voltage at 1 kHz
  double idealDb;                 // 20 log10 N
  std::optional<double> stageMv;  // millivolts at the stage input, with a rated output
  CurveFigures curve;
};

// The figures, or a plain message (in `problem`) when one of them is not a
// finite number, so that no wrong number is ever shown. `ratedMv` is the
// cartridge's rated output in millivolts, if given.
std::optional<ChainFigures> ComputeChainFigures(const ChainValues& chain, std::optional<double> ratedMv,
                                                double bandEdgeHz, std::string& problem);
