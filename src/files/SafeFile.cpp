#include "files/SafeFile.h"

#include <random>

std::string TemporaryNameBeside(const std::string& path) {
  static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  thread_local std::mt19937 random{std::random_device{}()};
  std::uniform_int_distribution<int> digit(0, 35);
  const std::size_t slash = path.find_last_of("/\\");
  const std::size_t nameAt = slash == std::string::npos ? 0 : slash + 1;
  std::string name = path.substr(0, nameAt) + "." + path.substr(nameAt) + ".";
  for (int i = 0; i < 8; ++i) name += kDigits[digit(random)];
  return name += ".tmp";
}
