#include "circuit/Circuit.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

// One call per plot column on every repaint: a sweep over the 352 column
// frequencies of a plot, as the paint makes it. Divide by 352 for a call.
void BM_ResponseMagnitude(benchmark::State& state) {
  std::vector<double> columns(352);
  for (std::size_t x = 0; x < columns.size(); ++x) columns[x] = 10000.0 * std::pow(10.0, (x - 176.0) / 128.0);
  for (auto _ : state) {
    for (double f : columns)
      benchmark::DoNotOptimize(ResponseMagnitude(f, 18484.807061630512, 1.3314016810396694));
  }
  state.SetItemsProcessed(state.iterations() * columns.size());
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
