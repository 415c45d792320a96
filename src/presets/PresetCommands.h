#pragma once

#include <string>
#include <string_view>
#include <vector>

class CartridgeMap;
class PresetView;

inline constexpr const char* kDefaultL = "300m";
inline constexpr const char* kDefaultRS = "740";
inline constexpr const char* kDefaultC = "251p";
inline constexpr const char* kDefaultRL = "47k";

inline constexpr const char* kSerialQUnknownText = "Serial Q unknown (limits max total Q)";

// Default texts, then the preset file at `path` into the table and the Name
// list, the first name applied; the hint in every case.
void RunReset(PresetView& view, CartridgeMap& presets, const char* path);

// The same with the first of `paths` that can be read; none is as a missing file.
// A folder, an unreadable file or a dangling link cannot be read.
void RunReset(PresetView& view, CartridgeMap& presets, const std::vector<std::string>& paths);

// The same with the preset file's bytes already in memory, as the page has
// them from the browser.
void RunResetFromBytes(PresetView& view, CartridgeMap& presets, std::string_view bytes);

// The index of the first of `paths` that can be read, or -1.
int FindPresetFile(const std::vector<std::string>& paths);

// Applies the selected name: L and RS from the table, F and Q cleared, the
// curve stale, the hint refreshed.
void RunSelchangeName(PresetView& view, const CartridgeMap& presets);

// Sets the hint from the current L, RS and C total texts.
void RunUpdateSerialQLabel(PresetView& view);

// "Serial Q = %.6f (limits max total Q)", or the unknown text when any value
// is not greater than zero. A value whose fixed-point line would pass 127
// characters (1e88 and above) or is infinite is written as "%.6g" would.
std::string SerialQHintText(double L, double RS, double C);
