#include "SettingsFile.h"

#include "FilePath.h"
#include "SafeFile.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

bool ReadSettingsFile(const std::string& path, std::size_t maxSize, std::string& text) {
  text.clear();
  std::FILE* file = path.empty() ? nullptr : OpenFileUtf8(path, "rb");
  if (file == nullptr) return false;
  char chunk[4096];
  std::size_t count;
  while (text.size() <= maxSize && (count = std::fread(chunk, 1, sizeof chunk, file)) > 0)
    text.append(chunk, count);
  std::fclose(file);
  if (text.size() > maxSize) text.clear();
  return true;
}

void ForEachSetting(std::string_view text,
                    const std::function<void(std::string_view, std::string_view)>& visit) {
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t equals = line.find('=');
    if (equals != std::string_view::npos) visit(line.substr(0, equals), line.substr(equals + 1));
  }
}

std::string SaveSettingsFile(const std::string& path, const std::string& text) {
  std::error_code error;
  std::filesystem::create_directories(PathFromUtf8(path).parent_path(), error);
  if (error) return error.message();
  return WriteFileSafely(path, text);
}
