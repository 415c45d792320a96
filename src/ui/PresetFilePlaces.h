#pragma once

#include <QString>

#include <string>
#include <vector>

// Where Reset looks for the preset file, in order: varnholt.txt in the working
// folder, as always, then varnholt/varnholt.txt in the user's configuration
// folder ($XDG_CONFIG_HOME, by default ~/.config), where a program started
// from the desktop's menu finds it.

// The configuration folder's preset file, absolute.
QString ConfigPresetFilePath();

// Both places as file-system paths, for RunReset and FindPresetFile.
std::vector<std::string> PresetFilePlaces();
