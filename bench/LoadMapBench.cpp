#include "loads/LoadMap.h"
#include "loads/LoadMapPaint.h"

#include <benchmark/benchmark.h>

namespace {

// A moving-magnet cartridge around 200 pF and 47 kOhm, as the window maps it.
LoadMapInput MovingMagnet(int columns, int rows) {
  return {500e-3, 1200.0, {40e-12, 1e-9}, {4.7e3, 470e3}, columns, rows, 20000.0};
}

// The grid the window computes when the map opens or a range changes.
void BM_ComputeLoadMap(benchmark::State& state) {
  const LoadMapInput input = MovingMagnet(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) {
    LoadMap map = ComputeLoadMap(input);
    benchmark::DoNotOptimize(map.nodes.data());
  }
}
BENCHMARK(BM_ComputeLoadMap)->Args({400, 300})->Unit(benchmark::kMillisecond);

// Its contour lines, found once per grid.
void BM_LoadMapContours(benchmark::State& state) {
  const LoadMap map = ComputeLoadMap(MovingMagnet(400, 300));
  for (auto _ : state) {
    auto contours = LoadMapContours(map);
    benchmark::DoNotOptimize(contours.data());
  }
}
BENCHMARK(BM_LoadMapContours)->Unit(benchmark::kMillisecond);

}  // namespace
