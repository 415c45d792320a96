#include "ChainSettingsFile.h"

#include "engnum/FieldTextUtf8.h"
#include "engnum/StrictValue.h"
#include "files/FilePath.h"
#include "files/SafeFile.h"

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
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string_view key = line.substr(0, equals);
    const std::string bytes = Utf8ToFieldBytes(line.substr(equals + 1));
    if (!Usable(key, bytes)) continue;
    if (key == "wantedLoad") s.wantedLoad = bytes;
    for (const Key& k : kKeys)
      if (key == k.name) s.texts.*k.slot = bytes;
  }
}

bool LoadChainSettingsFile(const std::string& path, ChainSettings& s) {
  std::FILE* file = path.empty() ? nullptr : OpenFileUtf8(path, "rb");
  if (file == nullptr) return false;
  std::string text;
  char chunk[4096];
  std::size_t count;
  while (text.size() <= kMaxFileSize && (count = std::fread(chunk, 1, sizeof chunk, file)) > 0)
    text.append(chunk, count);
  std::fclose(file);
  // A file this large is not ours: it is read as holding nothing.
  if (text.size() <= kMaxFileSize) ReadChainSettingsFileText(text, s);
  return true;
}

std::string SaveChainSettingsFile(const std::string& path, const ChainSettings& s) {
  std::error_code error;
  std::filesystem::create_directories(PathFromUtf8(path).parent_path(), error);
  if (error) return error.message();
  return WriteFileSafely(path, ChainSettingsFileText(s));
}
