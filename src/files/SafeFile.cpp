#include "files/SafeFile.h"

#include <random>

std::string TemporaryNameBeside(const std::string& path) {
  static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  thread_local std::mt19937 random{std::random_device{}()};
  std::uniform_int_distribution<int> digit(0, 35);
  const std::size_t slash = path.find_last_of("/\\");
  const std::size_t nameAt = slash == std::string::npos ? 0 : slash + 1;
  // A long name is shortened, so that the temporary's stays within the
  // system's limit, and only between UTF-8 characters.
  std::size_t kept = path.size() - nameAt > 100 ? 100 : path.size() - nameAt;
  while (kept > 0 && (static_cast<unsigned char>(path[nameAt + kept]) & 0xC0) == 0x80) --kept;
  std::string name = path.substr(0, nameAt) + "." + path.substr(nameAt, kept) + ".";
  for (int i = 0; i < 8; ++i) name += kDigits[digit(random)];
  return name += ".tmp";
}
