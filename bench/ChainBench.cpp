#include "chain/Chain.h"
#include "chain/ChainFigures.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

namespace {

// A moving coil through 1:10 into 47k, 100p on each side.
ChainValues MovingCoil() { return ChainValues{40e-6, 18, 100e-12, 2, 10, 20, 100e-12, 47e3, 0}; }

// The response as `varnholt-calc response` writes it: 1,000 points from 10 Hz to 200 kHz.
void BM_ChainResponse1000(benchmark::State& state) {
  const ChainValues chain = MovingCoil();
  for (auto _ : state) {
    double sum = 0.0;
    for (int i = 0; i < 1000; ++i) sum += ChainLevelDb(chain, 10.0 * std::pow(20000.0, i / 999.0));
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_ChainResponse1000)->Unit(benchmark::kMicrosecond);

// All figures of one chain, sampled and refined (C1 > 0) or in closed form (C1 = 0).
void BM_ChainFigures(benchmark::State& state) {
  ChainValues chain = MovingCoil();
  if (state.range(0) == 0) chain.C1 = 0.0;
  std::string problem;
  for (auto _ : state) benchmark::DoNotOptimize(ComputeChainFigures(chain, 0.4, 20e3, problem));
}
BENCHMARK(BM_ChainFigures)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
