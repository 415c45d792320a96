#pragma once

#include <string>

// The folder where a user's programs keep their settings, as UTF-8, without
// a trailing separator: on Linux and other Unix systems $XDG_CONFIG_HOME when
// it is absolute, else $HOME/.config; on macOS ~/Library/Application Support;
// on Windows %APPDATA%. Empty when the environment names no usable folder: a
// relative or empty value is never taken, as it would depend on the working
// folder.
std::string UserConfigFolder();

// Why UserConfigFolder is empty, naming the variables to set.
std::string NoConfigFolderReason();

// The rules themselves, from the variables' values (null when unset).
std::string XdgConfigFolder(const char* xdgConfigHome, const char* home);
std::string MacConfigFolder(const char* home);
std::string WindowsConfigFolder(const char* appData);
