#pragma once

#include "loads/StageSettings.h"

// The finder's inputs between runs, in the user's configuration folder: the
// cable, the stage's bases and lists with their modes, and the ranking. L and
// RS come from the main window instead. A stored value that cannot be read (not
// text, a mode of no known name, an entry that is no number) is ignored and the
// input keeps what it had.
void LoadStageSettings(StageSettingsInput& input);
void SaveStageSettings(const StageSettingsInput& input);
