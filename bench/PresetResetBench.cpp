#include "presets/CartridgeMap.h"
#include "presets/NameOrder.h"
#include "presets/PresetCommands.h"
#include "presets/PresetFile.h"
#include "presets/PresetView.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

// The Name list as the dialog keeps it: a SortedNameList plus a selection.
class ListView : public PresetView {
 public:
  std::string GetFieldText(Field field, std::size_t maxCount) override {
    return fields[field].substr(0, maxCount - 1);
  }
  void SetFieldText(Field field, const std::string& text) override { fields[field] = text; }
  void AddNames(std::vector<std::string> names) override { list.AddNames(std::move(names)); }
  void SelectName(int index) override { selected = index < static_cast<int>(list.size()) ? index : -1; }
  bool GetSelectedName(std::string& name) override {
    if (selected < 0) return false;
    name = list.at(static_cast<std::size_t>(selected));
    return true;
  }
  void SetHintText(const std::string& text) override { hint = text; }
  void MarkCurveStale() override {}

  std::map<Field, std::string> fields;
  SortedNameList list;
  int selected = -1;
  std::string hint;
};

// A file of `count` distinct names in shuffled order, mixed case.
std::string WriteFile(int count) {
  std::string dir = (std::filesystem::temp_directory_path() / "varnholt-bench-XXXXXX").string();
  if (mkdtemp(dir.data()) == nullptr) std::abort();
  std::vector<int> order(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) order[static_cast<std::size_t>(i)] = i;
  std::shuffle(order.begin(), order.end(), std::mt19937(42));
  std::ofstream out(std::filesystem::path(dir) / kPresetFileName, std::ios::binary);
  out << "_init_load\"200p 47k\n";
  for (int i : order) out << (i % 3 ? "cartridge " : "Cartridge ") << i << "\"550m 1.1k\n";
  return (std::filesystem::path(dir) / kPresetFileName).string();
}

void BM_ResetDistinctNames(benchmark::State& state) {
  const std::string path = WriteFile(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    ListView view;
    CartridgeMap presets;
    RunReset(view, presets, path.c_str());
    benchmark::DoNotOptimize(view.list.size());
  }
  std::filesystem::remove_all(std::filesystem::path(path).parent_path());
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ResetDistinctNames)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

}  // namespace
