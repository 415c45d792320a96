#pragma once

#include <string>
#include <vector>

// Where Reset looks for the preset file, in order: the working folder's
// varnholt.txt, then varnholt/varnholt.txt in the user's configuration folder
// ($XDG_CONFIG_HOME, by default ~/.config). For RunReset's list of paths.
std::vector<std::string> PresetFilePaths();

// The same with the environment given; either may be null. A relative
// XDG_CONFIG_HOME is ignored, as the base-directory rules say; without a
// usable HOME either, only the working folder's file is looked for.
std::vector<std::string> PresetFilePaths(const char* xdgConfigHome, const char* home);
