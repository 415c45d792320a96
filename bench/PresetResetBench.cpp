#include "presets/CartridgeMap.h"
#include "presets/NameOrder.h"
#include "presets/PresetCommands.h"
#include "presets/PresetFile.h"
#include "presets/PresetView.h"

#include "ManyNamesPresetFile.h"

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

void BM_ResetDistinctNames(benchmark::State& state) {
  const std::string path =
      (WriteManyNamesPresetDir(static_cast<int>(state.range(0))) / kPresetFileName).string();
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
