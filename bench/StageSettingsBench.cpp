#include "loads/StageSettings.h"

#include <benchmark/benchmark.h>

namespace {

// A stage with capacitance and resistance switches: 2^n x 2^n combinations,
// read, worked out and ranked, as the finder does on every keystroke.
StageSettingsInput Stage(int switchesPerList, RankBy rankBy) {
  StageSettingsInput in;
  in.L = "500m";
  in.RS = "1.2k";
  in.cable = "100p";
  in.cBase = "47p";
  in.cMode = ListMode::Switches;
  in.rBase = "47k";
  in.rMode = ListMode::Switches;
  const char* c[] = {"10p", "22p", "47p", "100p", "220p", "470p", "1n", "2.2n"};
  const char* r[] = {"100k", "47k", "22k", "10k", "4.7k", "2.2k", "1k", "470"};
  for (int i = 0; i < switchesPerList; ++i) {
    in.cList += std::string(c[i]) + " ";
    in.rList += std::string(r[i]) + " ";
  }
  in.rankBy = rankBy;
  in.targetF = "15k";
  in.targetQ = "1";
  return in;
}

void BM_FindStageSettings(benchmark::State& state) {
  const StageSettingsInput in =
      Stage(static_cast<int>(state.range(0)), state.range(1) ? RankBy::Target : RankBy::Flatness);
  std::size_t rows = 0;
  for (auto _ : state) {
    const StageSettingsResult result = FindStageSettings(in);
    rows = result.rows.size();
    benchmark::DoNotOptimize(result.rows.data());
  }
  state.counters["rows"] = static_cast<double>(rows);
}
// 6 + 6 switches give 4,096 combinations, 8 + 8 give 65,536; by flatness and by target.
BENCHMARK(BM_FindStageSettings)
    ->Args({6, 0})
    ->Args({6, 1})
    ->Args({8, 0})
    ->Args({8, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
