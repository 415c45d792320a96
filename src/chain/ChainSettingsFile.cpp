#include "ChainSettingsFile.h"

#include "engnum/FieldTextUtf8.h"
#include "engnum/StrictValue.h"
#include "files/FilePath.h"
#include "files/SettingsFile.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

constexpr const char* kFileName = "transformer.txt";
constexpr std::size_t kMaxValue = 64;  // far more than any value typed
constexpr std::size_t kMaxFileSize = 16 * 1024;

struct Key {
  const char* name;
  std::string ChainTexts::*slot;
};

const Key kKeys[] = {{"ratio", &ChainTexts::ratio}, {"Rp", &ChainTexts::Rp},
                     {"Rs2", &ChainTexts::Rs2},     {"C1", &ChainTexts::C1},
                     {"Rsec", &ChainTexts::Rsec},   {"rated", &ChainTexts::rated}};

// A stored value is taken when the dialog's own reading would take it.
bool Usable(std::string_view key, const std::string& bytes) {
  if (bytes.empty()) return true;
  if (bytes.size() > kMaxValue) return false;
  double value = 0.0;
  if (key == "ratio") return ReadStrictValue(bytes.starts_with("1:") ? bytes.substr(2) : bytes, value);
  return ReadStrictValue(bytes, value);
}

}  // namespace

std::string ChainSettingsFilePath(const std::string& configFolder) {
  if (configFolder.empty()) return {};
  return Utf8FromPath(PathFromUtf8(configFolder) / "varnholt" / kFileName);
}

std::string ChainSettingsFileText(const ChainSettings& s) {
  std::string text;
  const auto line = [&text](const char* key, const std::string& bytes) {
    std::string value = FieldBytesToUtf8(bytes);
    std::erase_if(value, [](char c) { return c == '\n' || c == '\r'; });
    text += std::string(key) + "=" + value + "\n";
  };
  for (const Key& key : kKeys) line(key.name, s.texts.*key.slot);
  line("wantedLoad", s.wantedLoad);
  return text;
}

void ReadChainSettingsFileText(std::string_view text, ChainSettings& s) {
  ForEachSetting(text, [&](std::string_view key, std::string_view value) {
    const std::string bytes = Utf8ToFieldBytes(value);
    if (!Usable(key, bytes)) return;
    if (key == "wantedLoad") s.wantedLoad = bytes;
    for (const Key& k : kKeys)
      if (key == k.name) s.texts.*k.slot = bytes;
  });
}

bool LoadChainSettingsFile(const std::string& path, ChainSettings& s) {
  std::string text;
  if (!ReadSettingsFile(path, kMaxFileSize, text)) return false;
  ReadChainSettingsFileText(text, s);
  return true;
}

std::string SaveChainSettingsFile(const std::string& path, const ChainSettings& s) {
  return SaveSettingsFile(path, ChainSettingsFileText(s));
}
