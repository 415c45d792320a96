#pragma once

#include "BigCount.h"
#include "StageInputReader.h"
#include "StageSettings.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// One side of the finder's settings (capacitance, resistance, or the
// transformer's secondary resistor): each setting's value as written into a
// field, how many switches it turns on, and its words.
struct SettingSide {
  std::vector<double> values;
  std::vector<int> switchesOn;
  std::vector<std::string> words;
};

// The capacitance settings, each with the cable: base plus one choice, or base
// plus any subset of the switches, added in list order.
SettingSide CapacitanceSide(const StageEntry& cable, const StageEntry& base,
                            const std::vector<StageEntry>& list, ListMode mode);

// The resistance settings: base in parallel with one choice, or with any
// subset of the switches. A setting with no resistor at all is left out.
SettingSide ResistanceSide(const std::optional<StageEntry>& base, const std::vector<StageEntry>& list,
                           ListMode mode);

// The transformer's secondary resistor settings: none or one choice, or any
// subset of the switches in parallel; 0 stands for none.
SettingSide SecondarySide(const std::vector<StageEntry>& list, ListMode mode);

// How many settings a side has, before any is left out for want of a resistor.
BigCount SettingCount(std::size_t entries, ListMode mode);
