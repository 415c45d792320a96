#pragma once

#include <string>
#include <vector>

// Where Reset looks for the preset file, in order: the working folder's
// varnholt.txt, then varnholt/varnholt.txt in the user's configuration folder
// (see UserConfigFolder), where a program started from the desktop's menu
// finds it. The window, Edit Preset File… and varnholt-calc all ask here.
// Paths are UTF-8.
std::vector<std::string> PresetFilePaths();

// The same for a given configuration folder; an empty one adds no place.
std::vector<std::string> PresetFilePaths(const std::string& configFolder);

// The configuration folder's preset file; empty when there is no folder.
std::string ConfigPresetFilePath(const std::string& configFolder);
