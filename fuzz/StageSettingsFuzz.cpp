// Arbitrary bytes as the stage finder's inputs, one per line: either a named
// error and no rows, or at most the limit of rows, each with finite values.
#include "loads/StageSettings.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t modes = data[0];
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);

  StageSettingsInput in;
  in.cMode = (modes & 1) ? ListMode::Switches : ListMode::Choices;
  in.rMode = (modes & 2) ? ListMode::Switches : ListMode::Choices;
  in.rankBy = (modes & 4) ? RankBy::Target : RankBy::Flatness;
  for (std::string* field : {&in.L, &in.RS, &in.cable, &in.cBase, &in.cList, &in.rBase, &in.RL, &in.rList,
                             &in.bandEdge, &in.targetF, &in.targetQ}) {
    const std::size_t end = rest.find('\n');
    *field = std::string(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }

  const StageSettingsResult result = FindStageSettings(in);
  if (!result.error.empty()) {
    if (!result.rows.empty()) std::abort();
    return 0;
  }
  if (result.rows.size() > kMaxCombinations) std::abort();
  for (const StageSettingRow& row : result.rows) {
    if (!(row.C > 0.0) || !(row.RL > 0.0) || !std::isfinite(row.C) || !std::isfinite(row.RL)) std::abort();
    if (row.cSetting >= result.cWords.size() || row.rSetting >= result.rWords.size()) std::abort();
    (void)SettingWords(result, row);
  }
  return 0;
}
