#pragma once

#include "presets/PresetFile.h"

#include <stdlib.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

// A fresh folder holding a preset file of `count` distinct names in shuffled
// order and mixed case, as a long collection grows by hand.
inline std::filesystem::path WriteManyNamesPresetDir(int count) {
  std::string dir = (std::filesystem::temp_directory_path() / "varnholt-bench-XXXXXX").string();
  if (mkdtemp(dir.data()) == nullptr) std::abort();
  std::vector<int> order(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) order[static_cast<std::size_t>(i)] = i;
  std::shuffle(order.begin(), order.end(), std::mt19937(42));
  std::ofstream out(std::filesystem::path(dir) / kPresetFileName, std::ios::binary);
  out << "_init_load\"200p 47k\n";
  for (int i : order) out << (i % 3 ? "cartridge " : "Cartridge ") << i << "\"550m 1.1k\n";
  return dir;
}
