#include "StageSettingsFile.h"

#include "ValueList.h"
#include "engnum/FieldTextUtf8.h"
#include "engnum/StrictValue.h"
#include "files/FilePath.h"
#include "files/SettingsFile.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>

namespace {

constexpr const char* kFileName = "stage-settings.txt";
// Far more than any stage's list; a longer text is not ours.
constexpr std::size_t kMaxStoredText = 2000;
constexpr std::size_t kMaxFileSize = 64 * 1024;

bool IsList(const std::string& text) {
  double value = 0.0;
  for (std::string_view entry : SplitList(text))
    if (!ReadStrictValue(entry, value)) return false;
  return true;
}

bool IsValue(const std::string& text) {
  double value = 0.0;
  const std::string_view trimmed = Trimmed(text);
  return trimmed.empty() || ReadStrictValue(trimmed, value);
}

template <typename Enum>
bool SetChoice(const std::string& text, std::pair<const char*, Enum> a, std::pair<const char*, Enum> b,
               Enum& slot) {
  if (text != a.first && text != b.first) return false;
  slot = text == a.first ? a.second : b.second;
  return true;
}

const std::pair<const char*, ListMode> kChoices{"choices", ListMode::Choices};
const std::pair<const char*, ListMode> kSwitches{"switches", ListMode::Switches};
const std::pair<const char*, RankBy> kFlatness{"flatness", RankBy::Flatness};
const std::pair<const char*, RankBy> kTarget{"target", RankBy::Target};

const char* ModeName(ListMode mode) { return mode == ListMode::Switches ? kSwitches.first : kChoices.first; }

struct TextInput {
  const char* key;
  std::string StageSettingsInput::*slot;
  bool (*usable)(const std::string&);
};

const TextInput kTextInputs[] = {
    {"cable", &StageSettingsInput::cable, IsValue},
    {"capacitanceBase", &StageSettingsInput::cBase, IsValue},
    {"capacitanceList", &StageSettingsInput::cList, IsList},
    {"resistanceBase", &StageSettingsInput::rBase, IsValue},
    {"resistanceList", &StageSettingsInput::rList, IsList},
    {"bandEdge", &StageSettingsInput::bandEdge, IsValue},
    {"targetF", &StageSettingsInput::targetF, IsValue},
    {"targetQ", &StageSettingsInput::targetQ, IsValue},
};

}  // namespace

std::string StageSettingsFilePath(const std::string& configFolder) {
  if (configFolder.empty()) return {};
  return Utf8FromPath(PathFromUtf8(configFolder) / "varnholt" / kFileName);
}

bool SetStoredStageInput(StageSettingsInput& in, std::string_view key, const std::string& fieldBytes) {
  if (fieldBytes.size() > kMaxStoredText) return false;
  if (key == "capacitanceMode") return SetChoice(fieldBytes, kChoices, kSwitches, in.cMode);
  if (key == "resistanceMode") return SetChoice(fieldBytes, kChoices, kSwitches, in.rMode);
  if (key == "rankBy") return SetChoice(fieldBytes, kFlatness, kTarget, in.rankBy);
  for (const TextInput& input : kTextInputs) {
    if (key != input.key) continue;
    if (!input.usable(fieldBytes)) return false;
    in.*input.slot = fieldBytes;
    return true;
  }
  return false;
}

std::string StageSettingsFileText(const StageSettingsInput& in) {
  std::string text;
  auto line = [&text](const char* key, std::string_view utf8) {
    text += key;
    text += '=';
    text += utf8;
    text += '\n';
  };
  // A line ends the value: the field texts never hold one, as typed.
  for (const TextInput& input : kTextInputs) {
    std::string value = FieldBytesToUtf8(in.*input.slot);
    std::erase_if(value, [](char c) { return c == '\n' || c == '\r'; });
    line(input.key, value);
  }
  line("capacitanceMode", ModeName(in.cMode));
  line("resistanceMode", ModeName(in.rMode));
  line("rankBy", in.rankBy == RankBy::Target ? kTarget.first : kFlatness.first);
  return text;
}

void ReadStageSettingsFileText(std::string_view text, StageSettingsInput& in) {
  ForEachSetting(text, [&](std::string_view key, std::string_view value) {
    SetStoredStageInput(in, key, Utf8ToFieldBytes(value));
  });
}

bool LoadStageSettingsFile(const std::string& path, StageSettingsInput& in) {
  std::string text;
  if (!ReadSettingsFile(path, kMaxFileSize, text)) return false;
  ReadStageSettingsFileText(text, in);
  return true;
}

std::string SaveStageSettingsFile(const std::string& path, const StageSettingsInput& in) {
  return SaveSettingsFile(path, StageSettingsFileText(in));
}
