#pragma once

#include <string>

// Where Reset reads the preset file: the working folder's file when there is
// one, otherwise the user's, $XDG_CONFIG_HOME/varnholt/varnholt.txt (by
// default ~/.config/varnholt/varnholt.txt). With neither, the working
// folder's name, which opens as no file.
std::string PresetFilePath();

// The same with the environment given: either may be null. A relative
// XDG_CONFIG_HOME is ignored, as the base-directory rules say.
std::string PresetFilePath(const char* xdgConfigHome, const char* home);
