#include "PresetCommands.h"

#include "CartridgeMap.h"
#include "PresetFile.h"
#include "PresetView.h"
#include "circuit/Circuit.h"
#include "engnum/EngValue.h"
#include "engnum/FieldTextUtf8.h"
#include "engnum/NumberText.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <string_view>
#include <vector>

namespace {

// The hint reads at most this many characters of each field, terminator included.
constexpr std::size_t kHintFieldCount = 127;
// Longest hint line that is still written in fixed-point notation.
constexpr std::size_t kHintLineLength = 127;

constexpr std::string_view kHintPrefix = "Serial Q = ";
constexpr std::string_view kHintSuffix = " (limits max total Q)";

void CopyValue(char (&out)[16], std::string_view value) {
  const std::string bytes = Utf8ToFieldBytes(value);
  // The reader has already rejected longer values; the bound holds regardless.
  const std::size_t length = bytes.size() < sizeof out ? bytes.size() : sizeof out - 1;
  std::memcpy(out, bytes.data(), length);
  out[length] = '\0';
}

// Reset with the preset file's entries from `read`, which hands them to the
// sink and returns false when there is no file.
void ResetWith(PresetView& view, CartridgeMap& presets, const std::function<bool(const PresetSink&)>& read) {
  view.SetFieldText(Field::L, kDefaultL);
  view.SetFieldText(Field::RS, kDefaultRS);
  view.SetFieldText(Field::C, kDefaultC);
  view.SetFieldText(Field::RL, kDefaultRL);

  std::vector<std::string> newNames;
  const PresetSink sink = [&](const PresetEntry& entry) {
    if (entry.initLoad) {
      view.SetFieldText(Field::C, Utf8ToFieldBytes(entry.first));
      view.SetFieldText(Field::RL, Utf8ToFieldBytes(entry.second));
      return;
    }
    CartridgePreset preset;
    CopyValue(preset.szL, entry.first);
    CopyValue(preset.szRS, entry.second);
    std::string name(entry.name);
    if (!presets.Contains(name)) newNames.push_back(name);
    presets.SetAt(name, preset);
  };
  if (read(sink)) {
    // The table and the list get the same names before anything is selected.
    view.AddNames(std::move(newNames));
    view.SelectName(0);
    RunSelchangeName(view, presets);
  }
  RunUpdateSerialQLabel(view);
}

}  // namespace

void RunReset(PresetView& view, CartridgeMap& presets, const char* path) {
  RunReset(view, presets, std::vector<std::string>{path});
}

void RunReset(PresetView& view, CartridgeMap& presets, const std::vector<std::string>& paths) {
  ResetWith(view, presets, [&](const PresetSink& sink) {
    // The first file that opens is read; one that cannot stands for "no file".
    for (const std::string& path : paths) {
      if (ReadPresetFile(path.c_str(), sink)) return true;
    }
    return false;
  });
}

void RunResetFromBytes(PresetView& view, CartridgeMap& presets, std::string_view bytes) {
  ResetWith(view, presets, [&](const PresetSink& sink) {
    PresetFileReader reader(sink);
    reader.Feed(bytes);
    reader.Finish();
    return true;
  });
}

int FindPresetFile(const std::vector<std::string>& paths) {
  for (std::size_t i = 0; i < paths.size(); ++i) {
    if (CanReadPresetFile(paths[i].c_str())) return static_cast<int>(i);
  }
  return -1;
}

void RunSelchangeName(PresetView& view, const CartridgeMap& presets) {
  std::string name;
  CartridgePreset preset;
  if (view.GetSelectedName(name) && presets.Lookup(name, preset)) {
    view.SetFieldText(Field::L, preset.szL);
    view.SetFieldText(Field::RS, preset.szRS);
  }
  view.SetFieldText(Field::F, std::string());
  view.SetFieldText(Field::Q, std::string());
  view.MarkCurveStale();
  RunUpdateSerialQLabel(view);
}

void RunUpdateSerialQLabel(PresetView& view) {
  const double L = ParseEngValue(view.GetFieldText(Field::L, kHintFieldCount).c_str());
  const double RS = ParseEngValue(view.GetFieldText(Field::RS, kHintFieldCount).c_str());
  const double C = ParseEngValue(view.GetFieldText(Field::C, kHintFieldCount).c_str());
  view.SetHintText(SerialQHintText(L, RS, C));
}

std::string SerialQHintText(double L, double RS, double C) {
  if (!(L > 0.0) || !(RS > 0.0) || !(C > 0.0)) return kSerialQUnknownText;
  const double q = SerialQualityFactor(L, C, RS);
  // Infinite L over infinite C has no value at all.
  if (std::isnan(q)) return kSerialQUnknownText;

  std::string number = FormatFixed(q, 6);
  if (!std::isfinite(q) || kHintPrefix.size() + number.size() + kHintSuffix.size() > kHintLineLength) {
    char general[kEngTextSize];
    WriteGeneral(q, 6, general, sizeof general);
    number = general;
  }
  std::string text(kHintPrefix);
  text += number;
  text += kHintSuffix;
  return text;
}
