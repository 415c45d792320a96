#pragma once

#include "StageSettings.h"

#include <string>
#include <string_view>

// The finder's inputs between runs, kept in the one configuration folder
// (varnholt/stage-settings.txt): the cable, the stage's bases and lists with
// their modes, the ranking, the band edge and the wanted F and Q. L, RS and
// RL come from the main window instead. The file holds "key=value" lines in
// UTF-8; a line or value that cannot be read (a mode of no known name, an
// entry that is no number, an unknown key) is ignored and the input keeps
// what it had.

// The file in `configFolder`; empty when there is no folder.
std::string StageSettingsFilePath(const std::string& configFolder);

// Sets the input that `key` names from `fieldBytes`, when the text is usable
// for it; returns whether it did. Used for the file and for older stores.
bool SetStoredStageInput(StageSettingsInput& in, std::string_view key, const std::string& fieldBytes);

// The file's text for `in`, and the reading of such a text into `in`.
std::string StageSettingsFileText(const StageSettingsInput& in);
void ReadStageSettingsFileText(std::string_view text, StageSettingsInput& in);

// Reads the file at `path` into `in`; false when there is no file to read.
bool LoadStageSettingsFile(const std::string& path, StageSettingsInput& in);
// Writes the file through the safe writer, creating its folder; empty on
// success, else why it failed.
std::string SaveStageSettingsFile(const std::string& path, const StageSettingsInput& in);
