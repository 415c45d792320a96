#include "chain/Chain.h"
#include "chain/ChainFigures.h"
#include "loads/StageSettings.h"

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

// Ranking 65,536 chain settings: 4 taps x 64 secondary resistor settings
// (6 switches) x 16 capacitances x 16 resistances, by flatness and by load.
void BM_RankChainSettings(benchmark::State& state) {
  StageSettingsInput in;
  in.L = "40u";
  in.RS = "18";
  in.cable = "100p";
  in.cList = "0 10p 22p 33p 47p 68p 100p 150p 220p 330p 470p 680p 1n 1.5n 2.2n 3.3n";
  in.rList = "100 150 220 330 470 680 1k 1.5k 2.2k 3.3k 4.7k 6.8k 10k 22k 47k 100k";
  in.taps = "1:5 1:10 1:20 1:30";
  in.rsecList = "1k 2.2k 4.7k 10k 22k 47k";
  in.rsecMode = ListMode::Switches;
  in.C1 = state.range(0) ? "100p" : "";
  in.Rp = "2";
  in.Rs2 = "40";
  in.rankBy = state.range(1) ? RankBy::Load : RankBy::Flatness;
  in.targetLoad = "100";
  std::size_t rows = 0;
  for (auto _ : state) {
    const StageSettingsResult result = FindStageSettings(in);
    rows = result.rows.size();
    benchmark::DoNotOptimize(result.rows.data());
  }
  state.counters["rows"] = static_cast<double>(rows);
}
// C1 0 (closed forms) and 100p (the sampled curve); by flatness and by load.
BENCHMARK(BM_RankChainSettings)->Args({0, 0})->Args({1, 0})->Args({1, 1})->Unit(benchmark::kMillisecond);

}  // namespace
