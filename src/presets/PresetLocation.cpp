#include "PresetLocation.h"

#include "PresetFile.h"
#include "files/ConfigFolder.h"
#include "files/FilePath.h"

std::vector<std::string> PresetFilePaths() { return PresetFilePaths(UserConfigFolder()); }

std::vector<std::string> PresetFilePaths(const std::string& configFolder) {
  const std::string config = ConfigPresetFilePath(configFolder);
  if (config.empty()) return {kPresetFileName};
  return {kPresetFileName, config};
}

std::string ConfigPresetFilePath(const std::string& configFolder) {
  if (configFolder.empty()) return {};
  return Utf8FromPath(PathFromUtf8(configFolder) / "varnholt" / kPresetFileName);
}
