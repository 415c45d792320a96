#include "PresetLocation.h"

#include "PresetFile.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

bool IsFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

}  // namespace

std::string PresetFilePath() { return PresetFilePath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")); }

std::string PresetFilePath(const char* xdgConfigHome, const char* home) {
  if (IsFile(kPresetFileName)) return kPresetFileName;
  std::filesystem::path config;
  if (xdgConfigHome != nullptr && xdgConfigHome[0] == '/') {
    config = xdgConfigHome;
  } else if (home != nullptr && home[0] == '/') {
    config = std::filesystem::path(home) / ".config";
  } else {
    return kPresetFileName;
  }
  const std::filesystem::path user = config / "varnholt" / kPresetFileName;
  return IsFile(user) ? user.string() : kPresetFileName;
}
