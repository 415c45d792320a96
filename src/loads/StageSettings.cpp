#include "StageSettings.h"

#include "BigCount.h"
#include "StageInputReader.h"
#include "StageSettingSides.h"
#include "ValueList.h"
#include "chain/ChainResponse.h"
#include "circuit/Circuit.h"
#include "engnum/FieldTextUtf8.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The chain's figures for a row with a transformer.
void ChainFigures(StageSettingRow& row, const ChainValues& chain, double bandEdge) {
  const CurveFigures figures = ChainCurveFigures(chain, bandEdge);
  row.F = std::numeric_limits<double>::quiet_NaN();
  row.Q = row.F;
  row.peak = figures.peak;
  row.levelAt20k = figures.levelAt20kDb;
  row.deviationDb = figures.deviationDb;
  row.loadSeen = chain.Rp + (chain.Rs2 + SecondaryLoad(chain)) / (chain.N * chain.N);
}

double RankKey(const StageSettingRow& row, RankBy rankBy) {
  const std::optional<double>& key = rankBy == RankBy::Flatness ? row.deviationDb : row.distance;
  if (!key || std::isnan(*key)) return std::numeric_limits<double>::infinity();
  return std::fabs(*key);
}

}  // namespace

bool RanksBefore(const StageSettingRow& a, const StageSettingRow& b, RankBy rankBy) {
  const double ka = RankKey(a, rankBy);
  const double kb = RankKey(b, rankBy);
  if (ka != kb) return ka < kb;
  if (a.switchesOn != b.switchesOn) return a.switchesOn < b.switchesOn;
  if (a.RL != b.RL) return a.RL > b.RL;
  return a.C < b.C;
}

std::optional<ChainValues> RowChain(const StageSettingsResult& result, const StageSettingRow& row) {
  if (!result.chain) return std::nullopt;
  ChainValues chain = *result.chain;
  chain.N = result.tapRatios[row.tapSetting];
  chain.C = row.C;
  chain.RL = row.RL;
  chain.Rsec = result.rsecOhms[row.rsecSetting];
  return chain;
}

std::string SettingWords(const StageSettingsResult& result, const StageSettingRow& row) {
  std::string words = result.cWords[row.cSetting] + ", " + result.rWords[row.rSetting];
  if (!result.tapWords.empty())
    words += ", " + result.tapWords[row.tapSetting] + ", Rsec " + result.rsecWords[row.rsecSetting];
  return words;
}

StageSettingsResult FindStageSettings(const StageSettingsInput& input) {
  StageSettingsResult result;
  StageInputReader read(result);
  const std::optional<double> L = read.Component(input.L, StageInput::L);
  const std::optional<double> RS = read.Component(input.RS, StageInput::RS);
  const std::optional<StageEntry> cable =
      read.Value(input.cable, StageInput::Cable, Allowed::ZeroOrMore, 0.0);
  const std::optional<StageEntry> cBase =
      read.Value(input.cBase, StageInput::CBase, Allowed::ZeroOrMore, 0.0);
  const std::vector<StageEntry> cList = read.Failed()
                                            ? std::vector<StageEntry>{}
                                            : read.List(input.cList, StageInput::CList, Allowed::ZeroOrMore);
  std::optional<StageEntry> rBase;
  if (!Trimmed(input.rBase).empty())
    rBase = read.Value(input.rBase, StageInput::RBase, Allowed::Positive, std::nullopt);
  const std::vector<StageEntry> rList = read.Failed()
                                            ? std::vector<StageEntry>{}
                                            : read.List(input.rList, StageInput::RList, Allowed::Positive);
  if (!rBase && rList.empty() && !Trimmed(input.RL).empty()) {
    if (const std::optional<double> RL = read.WindowField(input.RL, StageInput::RL))
      rBase = StageEntry{Trimmed(input.RL), *RL};
  }
  const std::optional<StageEntry> band =
      read.Value(input.bandEdge, StageInput::BandEdge, Allowed::AboveBandStart, std::nullopt);
  std::optional<StageEntry> targetF, targetQ;
  if (input.rankBy == RankBy::Target) {
    targetF = read.Value(input.targetF, StageInput::TargetF, Allowed::Positive, std::nullopt);
    targetQ = read.Value(input.targetQ, StageInput::TargetQ, Allowed::Positive, std::nullopt);
  }
  const std::vector<StageEntry> taps = read.Taps(input.taps, StageInput::Taps);
  const bool transformer = !taps.empty();
  const std::vector<StageEntry> rsecList =
      read.Failed() ? std::vector<StageEntry>{}
                    : read.List(input.rsecList, StageInput::RsecList, Allowed::Positive);
  const std::optional<StageEntry> Rp = read.Value(input.Rp, StageInput::Rp, Allowed::ZeroOrMore, 0.0);
  const std::optional<StageEntry> Rs2 = read.Value(input.Rs2, StageInput::Rs2, Allowed::ZeroOrMore, 0.0);
  const std::optional<StageEntry> C1 = read.Value(input.C1, StageInput::C1, Allowed::ZeroOrMore, 0.0);
  std::optional<StageEntry> targetLoad;
  if (input.rankBy == RankBy::Load)
    targetLoad = read.Value(input.targetLoad, StageInput::TargetLoad, Allowed::Positive, std::nullopt);
  if (read.Failed()) return result;
  if (!transformer && (input.rankBy == RankBy::Load || !rsecList.empty())) {
    result.error = input.rankBy == RankBy::Load
                       ? "Ranking by the load seen needs a transformer's taps"
                       : "A resistor across the secondary needs a transformer's taps";
    result.input = StageInput::Taps;
    return result;
  }
  result.bandEdge = band->value;

  BigCount count = SettingCount(cList.size(), input.cMode);
  BigCount rCount = SettingCount(rList.size(), input.rMode);
  // Without a base, switching none of the resistors leaves the stage open.
  if (!rBase && (input.rMode == ListMode::Switches || rList.empty())) rCount.Decrement();
  count.Multiply(rCount);
  if (transformer) {
    count.Multiply(BigCount(taps.size()));
    // Choices include having none.
    count.Multiply(input.rsecMode == ListMode::Switches ? SettingCount(rsecList.size(), ListMode::Switches)
                                                        : BigCount(rsecList.size() + 1));
  }
  if (count.IsZero()) {
    result.error = "Every setting leaves the stage without a resistance";
    result.input = StageInput::RBase;
    return result;
  }
  if (!count.AtMost(kMaxCombinations)) {
    result.error = "There would be " + count.Text() + " combinations; at most " +
                   BigCount(kMaxCombinations).Text() + " can be ranked";
    return result;
  }

  SettingSide cSide = CapacitanceSide(*cable, *cBase, cList, input.cMode);
  SettingSide rSide = ResistanceSide(rBase, rList, input.rMode);
  const double f2 = band->value;
  if (transformer) {
    SettingSide secondary = SecondarySide(rsecList, input.rsecMode);
    for (std::size_t t = 0; t < taps.size(); ++t) {
      result.tapWords.push_back(taps[t].text.starts_with("1:")
                                    ? FieldBytesToUtf8(std::string(taps[t].text))
                                    : "1:" + FieldBytesToUtf8(std::string(taps[t].text)));
      for (std::size_t s = 0; s < secondary.values.size(); ++s) {
        for (std::size_t c = 0; c < cSide.values.size(); ++c) {
          for (std::size_t r = 0; r < rSide.values.size(); ++r) {
            StageSettingRow row;
            row.cSetting = static_cast<std::uint32_t>(c);
            row.rSetting = static_cast<std::uint32_t>(r);
            row.tapSetting = static_cast<std::uint32_t>(t);
            row.rsecSetting = static_cast<std::uint32_t>(s);
            row.switchesOn = cSide.switchesOn[c] + rSide.switchesOn[r] + secondary.switchesOn[s];
            row.C = cSide.values[c];
            row.RL = rSide.values[r];
            const ChainValues chain{*L,         *RS,   C1->value, Rp->value,          taps[t].value,
                                    Rs2->value, row.C, row.RL,    secondary.values[s]};
            ChainFigures(row, chain, f2);
            if (targetLoad) row.distance = std::fabs(std::log(*row.loadSeen / targetLoad->value));
            result.rows.push_back(row);
          }
        }
      }
    }
    result.rsecWords = std::move(secondary.words);
    result.rsecOhms = std::move(secondary.values);
    for (const StageEntry& tap : taps) result.tapRatios.push_back(tap.value);
    result.chain = ChainValues{*L, *RS, C1->value, Rp->value, 1.0, Rs2->value, 0.0, 0.0, 0.0};
  }
  if (!transformer) result.rows.reserve(cSide.values.size() * rSide.values.size());
  for (std::size_t c = 0; !transformer && c < cSide.values.size(); ++c) {
    const double C = cSide.values[c];
    // Calculate refuses a capacitance of zero.
    if (!(C > 0.0)) continue;
    for (std::size_t r = 0; r < rSide.values.size(); ++r) {
      StageSettingRow row;
      row.cSetting = static_cast<std::uint32_t>(c);
      row.rSetting = static_cast<std::uint32_t>(r);
      row.switchesOn = cSide.switchesOn[c] + rSide.switchesOn[r];
      row.C = C;
      row.RL = rSide.values[r];
      row.F = ResonantFrequency(*L, *RS, row.C, row.RL);
      row.Q = QualityFactor(*L, *RS, row.C, row.RL);
      row.peak = Peak(row.F, row.Q);
      row.levelAt20k = LevelDb(kAudibleHighHz, row.F, row.Q);
      row.deviationDb = LargestDeviationDb(row.F, row.Q, kAudibleLowHz, f2);
      if (targetF) {
        const double lf = std::log(row.F / targetF->value);
        const double lq = std::log(row.Q / targetQ->value);
        row.distance = std::sqrt(lf * lf + lq * lq);
      }
      result.rows.push_back(row);
    }
  }
  if (result.rows.empty()) {
    result.error = "Every setting has a total capacitance of zero";
    result.input = StageInput::Cable;
  }
  const RankBy rankBy = input.rankBy;
  std::stable_sort(
      result.rows.begin(), result.rows.end(),
      [rankBy](const StageSettingRow& a, const StageSettingRow& b) { return RanksBefore(a, b, rankBy); });
  result.cWords = std::move(cSide.words);
  result.rWords = std::move(rSide.words);
  return result;
}
