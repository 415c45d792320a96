#pragma once

#include "presets/PresetFile.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

// A private folder for one test's preset file, removed afterwards.
class TempPresetDir {
 public:
  TempPresetDir() {
    std::random_device random;
    m_dir = std::filesystem::temp_directory_path() / ("varnholt-test-" + std::to_string(random()));
    std::filesystem::create_directory(m_dir);
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
