#pragma once

#include "presets/PresetFile.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

// A private folder for one test's preset file, removed afterwards.
class TempPresetDir {
 public:
  TempPresetDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "varnholt-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) m_dir = pattern;
  }
  ~TempPresetDir() {
    std::error_code ignored;
    if (!m_dir.empty()) std::filesystem::remove_all(m_dir, ignored);
  }
  TempPresetDir(const TempPresetDir&) = delete;
  TempPresetDir& operator=(const TempPresetDir&) = delete;

  std::string FilePath() const { return (m_dir / kPresetFileName).string(); }
  const std::filesystem::path& Dir() const { return m_dir; }

  void Write(const std::string& bytes) const {
    std::ofstream out(FilePath(), std::ios::binary | std::ios::trunc);
    out << bytes;
  }

 private:
  std::filesystem::path m_dir;
};
