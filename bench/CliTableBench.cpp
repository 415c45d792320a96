// varnholt-calc table over a preset file of many cartridges, in each format.
#include "Commands.h"

#include "ManyNamesPresetFile.h"
#include "presets/PresetFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

namespace {

void BM_Table(benchmark::State& state, OutputFormat format) {
  const int count = static_cast<int>(state.range(0));
  const std::filesystem::path dir = WriteManyNamesPresetDir(count);
  TableArgs args;
  args.file = (dir / kPresetFileName).string();
  std::FILE* sink = std::fopen("/dev/null", "wb");
  std::FILE* errors = std::fopen("/dev/null", "wb");
  for (auto _ : state) {
    const int status = RunTableCommand(args, NetworkArgs{}, Output{format, sink, errors});
    benchmark::DoNotOptimize(status);
  }
  std::fclose(sink);
  std::fclose(errors);
  std::filesystem::remove_all(dir);
  state.SetItemsProcessed(state.iterations() * count);
}

BENCHMARK_CAPTURE(BM_Table, text, OutputFormat::Text)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Table, csv, OutputFormat::Csv)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Table, json, OutputFormat::Json)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
