#include "circuit/Circuit.h"

#include <benchmark/benchmark.h>

namespace {

// One call per plot column on every repaint: the per-call figure is what counts.
void BM_ResponseMagnitude(benchmark::State& state) {
  double f = 10.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ResponseMagnitude(f, 18484.807061630512, 1.3314016810396694));
    f = f < 1e5 ? f * 1.02 : 10.0;
  }
}
BENCHMARK(BM_ResponseMagnitude);

void BM_ResonantFrequencyAndQ(benchmark::State& state) {
  double c = 251e-12;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ResonantFrequency(0.3, 740, c, 47000));
    benchmark::DoNotOptimize(QualityFactor(0.3, 740, c, 47000));
    benchmark::DoNotOptimize(c);
  }
}
BENCHMARK(BM_ResonantFrequencyAndQ);

}  // namespace
