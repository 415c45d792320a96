#include "StageSettingTexts.h"

#include "engnum/EngValue.h"
#include "engnum/FieldTextUtf8.h"
#include "engnum/NumberText.h"
#include "engnum/SignedText.h"

#include <cmath>

std::string LevelText(const std::optional<double>& db) { return db ? SignedDbText(*db) : "none"; }

namespace {

std::string Eng(double value) { return FieldBytesToUtf8(FormatEngValue(value, 6)); }

}  // namespace

StageSettingTexts RowTexts(const StageSettingsResult& result, const StageSettingRow& row) {
  StageSettingTexts texts;
  texts.setting = SettingWords(result, row);
  texts.C = Eng(row.C);
  texts.RL = Eng(row.RL);
  // A chain through a transformer has no one F and Q.
  texts.F = std::isnan(row.F) ? "\xE2\x80\x94" : Eng(row.F);
  texts.Q = std::isnan(row.Q) ? "\xE2\x80\x94" : FormatFixed(row.Q, 6);
  texts.peak = row.peak ? LevelText(row.peak->levelDb) + " at " + Eng(row.peak->frequency) : "none";
  texts.levelAt20k = LevelText(row.levelAt20k);
  texts.deviation = LevelText(row.deviationDb);
  if (row.distance) texts.distance = FormatFixed(*row.distance, 4);
  return texts;
}

std::string SettingLegendName(const StageSettingsResult& result, const StageSettingRow& row) {
  std::string words = SettingWords(result, row);
  const std::string parallel = "\u2225";
  for (std::size_t at = words.find(parallel); at != std::string::npos; at = words.find(parallel, at + 2))
    words.replace(at, parallel.size(), "||");
  return Utf8ToFieldBytes(words);
}
