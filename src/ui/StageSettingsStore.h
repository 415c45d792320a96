#pragma once

#include "loads/StageSettings.h"

// The finder's inputs between runs, in the one configuration folder's
// stage-settings file (see StageSettingsFile.h). While that file does not exist
// yet, the entries an older version kept with QSettings are read from there,
// so that nobody loses them; they are never written there again. Without a
// configuration folder nothing is read or written.
void LoadStageSettings(StageSettingsInput& input);
void SaveStageSettings(const StageSettingsInput& input);
