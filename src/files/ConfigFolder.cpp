#include "files/ConfigFolder.h"

#include "files/FilePath.h"

#include <cstdlib>
#include <string_view>

namespace {

bool IsAbsoluteUnix(const char* path) { return path != nullptr && path[0] == '/'; }

// A drive's root ("C:\" or "C:/") or a share ("\\server\share").
bool IsAbsoluteWindows(const char* path) {
  if (path == nullptr) return false;
  const std::string_view text(path);
  const auto separator = [](char c) { return c == '\\' || c == '/'; };
  if (text.size() >= 3 && ((text[0] >= 'A' && text[0] <= 'Z') || (text[0] >= 'a' && text[0] <= 'z')) &&
      text[1] == ':' && separator(text[2]))
    return true;
  return text.size() >= 3 && separator(text[0]) && separator(text[1]);
}

std::string WithoutTrailingSeparators(std::string path, std::string_view separators) {
  while (path.size() > 1 && separators.find(path.back()) != std::string_view::npos) path.pop_back();
  return path;
}

// `folder` and a name inside it, with one separator between.
std::string Join(const char* folder, std::string_view name) {
  std::string path = WithoutTrailingSeparators(folder, "/");
  if (path.back() != '/') path += '/';
  return path += name;
}

}  // namespace

std::string XdgConfigFolder(const char* xdgConfigHome, const char* home) {
  if (IsAbsoluteUnix(xdgConfigHome)) return WithoutTrailingSeparators(xdgConfigHome, "/");
  if (IsAbsoluteUnix(home)) return Join(home, ".config");
  return {};
}

std::string MacConfigFolder(const char* home) {
  if (!IsAbsoluteUnix(home)) return {};
  return Join(home, "Library/Application Support");
}

std::string WindowsConfigFolder(const char* appData) {
  if (!IsAbsoluteWindows(appData)) return {};
  std::string folder = WithoutTrailingSeparators(appData, "\\/");
  // "C:\" keeps its separator: "C:" alone is the drive's working folder.
  if (folder.size() == 2) folder += '\\';
  return folder;
}

#if defined(_WIN32)

std::string UserConfigFolder() {
  // The wide environment: a user name outside the 8-bit code page survives.
  const wchar_t* appData = _wgetenv(L"APPDATA");
  if (appData == nullptr) return {};
  return WindowsConfigFolder(Utf8FromPath(std::filesystem::path(appData)).c_str());
}

std::string NoConfigFolderReason() { return "APPDATA names no absolute folder."; }

#elif defined(__APPLE__)

std::string UserConfigFolder() { return MacConfigFolder(std::getenv("HOME")); }

std::string NoConfigFolderReason() { return "HOME names no absolute folder."; }

#else

std::string UserConfigFolder() {
  return XdgConfigFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

std::string NoConfigFolderReason() { return "Neither XDG_CONFIG_HOME nor HOME names an absolute folder."; }

#endif
