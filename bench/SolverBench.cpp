#include "circuit/FrequencySolver.h"
#include "circuit/FullOptimization.h"
#include "circuit/QuadraticSolver.h"

#include <benchmark/benchmark.h>

namespace {

// The numerical work of each solver button, without the window. The operands
// pass through DoNotOptimize so that nothing is folded at compile time.

void BM_SolveCFromQ(benchmark::State& state) {
  double L = 0.3, RS = 740, RL = 47000, Qt = 1.331402;
  for (auto _ : state) {
    benchmark::DoNotOptimize(L);
    benchmark::DoNotOptimize(Qt);
    benchmark::DoNotOptimize(SolveCFromQ(L, RS, RL, Qt));
  }
}
BENCHMARK(BM_SolveCFromQ);

void BM_SolveRLFromQ(benchmark::State& state) {
  double L = 0.3, RS = 740, C = 251e-12, Qt = 1.331402;
  for (auto _ : state) {
    benchmark::DoNotOptimize(L);
    benchmark::DoNotOptimize(Qt);
    benchmark::DoNotOptimize(SolveRLFromQ(L, RS, C, Qt));
  }
}
BENCHMARK(BM_SolveRLFromQ);

void BM_CapacitanceForFrequency(benchmark::State& state) {
  double L = 0.3, RS = 740, RL = 47000, Ft = 20000;
  for (auto _ : state) {
    benchmark::DoNotOptimize(L);
    benchmark::DoNotOptimize(Ft);
    benchmark::DoNotOptimize(CapacitanceForFrequency(L, RS, RL, Ft));
  }
}
BENCHMARK(BM_CapacitanceForFrequency);

// All 52 iterations run whenever the iteration does not fail.
void BM_OptimizeCAndRL(benchmark::State& state) {
  double L = 0.3, RS = 740, RL0 = 47000, Ft = 20000, Qt = 0.6;
  for (auto _ : state) {
    benchmark::DoNotOptimize(L);
    benchmark::DoNotOptimize(Qt);
    benchmark::DoNotOptimize(OptimizeCAndRL(L, RS, RL0, Ft, Qt));
  }
}
BENCHMARK(BM_OptimizeCAndRL);

}  // namespace
