// ParseEngValue and FormatEngValue against the C library conversions they
// replace, measured in the same run on the same inputs.
#include "engnum/EngValue.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

namespace {

const std::vector<const char*> kTexts = {"47k",  "300m",    "251p", "740",      "18.4848k",  "1.331402",
                                         "2.2u", "66.529p", "1Meg", "214.409p", "0.999996k", "-4.7u",
                                         "100n", "1.1k",    "550m", "47000",    "1e3",       "999.994m"};
const std::vector<double> kValues = {47000,
                                     0.3,
                                     251e-12,
                                     740,
                                     18484.807061630512,
                                     1.3314016810396694,
                                     2.2e-6,
                                     66.529e-12,
                                     1e6,
                                     214.409e-12,
                                     999.996,
                                     -4.7e-6,
                                     100e-9,
                                     1100,
                                     0.55,
                                     1e27,
                                     999.9999,
                                     0.999994};

void BM_ParseEngValue(benchmark::State& state) {
  for (auto _ : state)
    for (const char* text : kTexts) benchmark::DoNotOptimize(ParseEngValue(text));
  state.SetItemsProcessed(state.iterations() * kTexts.size());
}
BENCHMARK(BM_ParseEngValue);

void BM_BaselineSscanf(benchmark::State& state) {
  for (auto _ : state)
    for (const char* text : kTexts) {
      double value = 0;
      benchmark::DoNotOptimize(std::sscanf(text, "%lf", &value));
      benchmark::DoNotOptimize(value);
    }
  state.SetItemsProcessed(state.iterations() * kTexts.size());
}
BENCHMARK(BM_BaselineSscanf);

void BM_FormatEngValue(benchmark::State& state) {
  char out[kEngTextSize];
  for (auto _ : state)
    for (double value : kValues) benchmark::DoNotOptimize(FormatEngValue(value, 6, out));
  state.SetItemsProcessed(state.iterations() * kValues.size());
}
BENCHMARK(BM_FormatEngValue);

void BM_BaselineSnprintf(benchmark::State& state) {
  char out[kEngTextSize];
  for (auto _ : state)
    for (double value : kValues) benchmark::DoNotOptimize(std::snprintf(out, sizeof out, "%.6g", value));
  state.SetItemsProcessed(state.iterations() * kValues.size());
}
BENCHMARK(BM_BaselineSnprintf);

}  // namespace
