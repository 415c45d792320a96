#pragma once

#include "StageSettings.h"

#include <string>

// A row's columns as people read them, in UTF-8. Numbers are written as the
// main window writes them: C, RL and F in engineering form with six digits,
// Q with six decimals; levels in dB with two decimals and a sign.
struct StageSettingTexts {
  std::string setting;     // "100p + 220p, 47k ∥ 1k"
  std::string C;           // "247p"
  std::string RL;          // "46.0021k"
  std::string F;           // "18.4848k"; "—" through a transformer
  std::string Q;           // "1.331402"; "—" through a transformer
  std::string peak;        // "+2.87 dB at 15.2401k", or "none"
  std::string levelAt20k;  // "-1.52 dB"
  std::string deviation;   // "+2.87 dB"
  std::string distance;    // "0.0312", empty when ranking by flatness
};

StageSettingTexts RowTexts(const StageSettingsResult& result, const StageSettingRow& row);

// A level in dB: "+2.87 dB", "-0.45 dB", "+0.00 dB"; "none" without a figure.
std::string LevelText(const std::optional<double>& db);

// The setting's name in a plot's legend, which is 8-bit text: the parallel
// sign becomes "||".
std::string SettingLegendName(const StageSettingsResult& result, const StageSettingRow& row);
