#pragma once

#include "StageSettings.h"

#include <string>

class CommandView;

// Puts a row into the main window as a solver puts a value there: L and RS
// (8-bit field texts) when they differ from the fields, then C total and RL
// written with six digits, then Calculate, which reads the fields back; so
// the window shows the row's own F and Q and its curve as current.
void ApplyStageSetting(CommandView& view, const StageSettingRow& row, const std::string& L,
                       const std::string& RS);

// C total and RL written into the window with six digits, then Calculate.
void ApplyLoad(CommandView& view, double C, double RL);
