#include "PresetLocation.h"

#include "PresetFile.h"

#include <cstdlib>
#include <filesystem>

std::vector<std::string> PresetFilePaths() {
  return PresetFilePaths(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

std::vector<std::string> PresetFilePaths(const char* xdgConfigHome, const char* home) {
  std::filesystem::path config;
  if (xdgConfigHome != nullptr && xdgConfigHome[0] == '/') {
    config = xdgConfigHome;
  } else if (home != nullptr && home[0] == '/') {
    config = std::filesystem::path(home) / ".config";
  } else {
    return {kPresetFileName};
  }
  return {kPresetFileName, (config / "varnholt" / kPresetFileName).string()};
}
