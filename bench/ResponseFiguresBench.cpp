#include "circuit/ResponseFigures.h"

#include <benchmark/benchmark.h>

namespace {

// The worked example's curve; each figure is one call per iteration.
constexpr double kF = 18484.807061630512, kQ = 1.3314016810396694;

void BM_LevelDb(benchmark::State& state) {
  double f = 20000.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(f);
    benchmark::DoNotOptimize(LevelDb(f, kF, kQ));
  }
}
BENCHMARK(BM_LevelDb);

void BM_PhaseDeg(benchmark::State& state) {
  double f = 20000.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(f);
    benchmark::DoNotOptimize(PhaseDeg(f, kF, kQ));
  }
}
BENCHMARK(BM_PhaseDeg);

void BM_Peak(benchmark::State& state) {
  double q = kQ;
  for (auto _ : state) {
    benchmark::DoNotOptimize(q);
    benchmark::DoNotOptimize(Peak(kF, q));
  }
}
BENCHMARK(BM_Peak);

void BM_FallFrequency(benchmark::State& state) {
  double drop = 3.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(drop);
    benchmark::DoNotOptimize(FallFrequency(kF, kQ, drop));
  }
}
BENCHMARK(BM_FallFrequency);

void BM_LargestDeviationDb(benchmark::State& state) {
  double f2 = 20000.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(f2);
    benchmark::DoNotOptimize(LargestDeviationDb(kF, kQ, 20.0, f2));
  }
}
BENCHMARK(BM_LargestDeviationDb);

}  // namespace
