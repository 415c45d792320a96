// Reset of the real window with a preset file of many distinct names: the
// file read, the table and the Name list model together.
#include "presets/PresetFile.h"
#include "ui/LoadCalcDlg.h"

#include <QApplication>

#include "ManyNamesPresetFile.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

void BM_DialogResetDistinctNames(benchmark::State& state) {
  const std::filesystem::path dir = WriteManyNamesPresetDir(static_cast<int>(state.range(0)));
  const std::filesystem::path old = std::filesystem::current_path();
  std::filesystem::current_path(dir);
  for (auto _ : state) {
    state.PauseTiming();
    auto dlg = std::make_unique<CLoadCalcDlg>();
    state.ResumeTiming();
    dlg->OnReset();
    benchmark::DoNotOptimize(dlg->m_name.count());
    state.PauseTiming();
    dlg.reset();
    state.ResumeTiming();
  }
  std::filesystem::current_path(old);
  std::filesystem::remove_all(dir);
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_DialogResetDistinctNames)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

// Showing the window and opening its Name list once it holds many names.
void BM_DialogShowAndOpenList(benchmark::State& state) {
  const std::filesystem::path dir = WriteManyNamesPresetDir(static_cast<int>(state.range(0)));
  const std::filesystem::path old = std::filesystem::current_path();
  std::filesystem::current_path(dir);
  for (auto _ : state) {
    auto dlg = std::make_unique<CLoadCalcDlg>();
    dlg->show();
    QApplication::processEvents();
    dlg->m_name.showPopup();
    QApplication::processEvents();
    dlg->m_name.hidePopup();
    benchmark::DoNotOptimize(dlg->m_name.count());
  }
  std::filesystem::current_path(old);
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_DialogShowAndOpenList)->Arg(0)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
