#pragma once

#include "StageSettings.h"

#include <vector>

// The finder's table columns, in the order every front end shows them.
enum class StageColumn { Rank, Setting, CTotal, RL, F, Q, PeakLevel, LevelAt20k, Deviation, Distance };
inline constexpr int kStageColumnCount = 10;

// The rows of `result` in the order a table sorted by `column` shows them:
// indexes into result.rows. Ties keep the ranking's order; Setting goes by the
// lists as typed, Deviation by size (flattest first), a missing figure first
// (or, for Deviation and Distance, last). A column outside the table gives the
// ranking's order.
std::vector<int> StageRowOrder(const StageSettingsResult& result, int column, bool descending);
