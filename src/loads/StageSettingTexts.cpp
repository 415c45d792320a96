#include "StageSettingTexts.h"

#include "engnum/EngValue.h"
#include "engnum/NumberText.h"

std::string Latin1ToUtf8(const std::string& bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      text += c;
    } else {
      text += static_cast<char>(0xC0 | (byte >> 6));
      text += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return text;
}

std::string LevelText(const std::optional<double>& db) {
  if (!db) return "none";
  std::string number = FormatFixed(*db, 2);
  if (number == "-0.00") number = "0.00";
  if (number[0] != '-' && number != "0.00") number = "+" + number;
  return number + " dB";
}

namespace {

std::string Eng(double value) { return Latin1ToUtf8(FormatEngValue(value, 6)); }

}  // namespace

StageSettingTexts RowTexts(const StageSettingsResult& result, const StageSettingRow& row) {
  StageSettingTexts texts;
  texts.setting = SettingWords(result, row);
  texts.C = Eng(row.C);
  texts.RL = Eng(row.RL);
  texts.F = Eng(row.F);
  texts.Q = FormatFixed(row.Q, 6);
  texts.peak = row.peak ? LevelText(row.peak->levelDb) + " at " + Eng(row.peak->frequency) : "none";
  texts.levelAt20k = LevelText(row.levelAt20k);
  texts.deviation = LevelText(row.deviationDb);
  if (row.distance) texts.distance = FormatFixed(*row.distance, 4);
  return texts;
}
