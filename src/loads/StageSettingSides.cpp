#include "StageSettingSides.h"

#include "engnum/EngValue.h"
#include "engnum/FieldTextUtf8.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr const char* kParallel = " \xE2\x88\xA5 ";  // U+2225 in UTF-8

std::string Joined(const std::vector<std::string_view>& parts, const char* separator) {
  std::string text;
  for (std::string_view part : parts) {
    if (!text.empty()) text += separator;
    text += FieldBytesToUtf8(std::string(part));
  }
  return text;
}

// Hands `add` the entries that are on in every setting of a list, and how
// many switches that is: nothing for an empty list of choices, each choice
// alone, or every subset of the switches in list order.
template <typename Add>
void ForEachSetting(const std::vector<StageEntry>& list, ListMode mode, Add& add) {
  if (mode == ListMode::Choices) {
    if (list.empty()) add({}, 0);
    for (const StageEntry& entry : list) add({&entry}, 0);
    return;
  }
  const std::size_t subsets = std::size_t{1} << list.size();
  for (std::size_t mask = 0; mask < subsets; ++mask) {
    std::vector<const StageEntry*> on;
    for (std::size_t i = 0; i < list.size(); ++i)
      if (mask & (std::size_t{1} << i)) on.push_back(&list[i]);
    add(on, static_cast<int>(on.size()));
  }
}

}  // namespace

SettingSide CapacitanceSide(const StageEntry& cable, const StageEntry& base,
                            const std::vector<StageEntry>& list, ListMode mode) {
  SettingSide side;
  auto add = [&](const std::vector<const StageEntry*>& on, int switches) {
    double total = cable.value + base.value;
    std::vector<std::string_view> parts;
    if (base.value != 0.0) parts.push_back(base.text);
    for (const StageEntry* entry : on) {
      total += entry->value;
      if (mode == ListMode::Switches || entry->value != 0.0 || parts.empty()) parts.push_back(entry->text);
    }
    side.values.push_back(AsWrittenInField(total));
    side.switchesOn.push_back(switches);
    side.words.push_back(parts.empty() ? std::string("0") : Joined(parts, " + "));
  };
  ForEachSetting(list, mode, add);
  return side;
}

SettingSide ResistanceSide(const std::optional<StageEntry>& base, const std::vector<StageEntry>& list,
                           ListMode mode) {
  SettingSide side;
  auto add = [&](const std::vector<const StageEntry*>& on, int switches) {
    std::vector<const StageEntry*> all;
    if (base) all.push_back(&*base);
    all.insert(all.end(), on.begin(), on.end());
    if (all.empty()) return;
    // One resistor is taken as typed: 1 / (1 / R) need not give R back.
    double rl = all.front()->value;
    if (all.size() > 1) {
      double conductance = 0.0;
      for (const StageEntry* entry : all) conductance += 1.0 / entry->value;
      rl = 1.0 / conductance;
    }
    std::vector<std::string_view> parts;
    for (const StageEntry* entry : all) parts.push_back(entry->text);
    side.values.push_back(AsWrittenInField(rl));
    side.switchesOn.push_back(switches);
    side.words.push_back(Joined(parts, kParallel));
  };
  ForEachSetting(list, mode, add);
  return side;
}

SettingSide SecondarySide(const std::vector<StageEntry>& list, ListMode mode) {
  SettingSide side;
  if (mode == ListMode::Choices && !list.empty()) {
    side.values.push_back(0.0);
    side.switchesOn.push_back(0);
    side.words.push_back("none");
  }
  auto add = [&](const std::vector<const StageEntry*>& on, int switches) {
    double conductance = 0.0;
    std::vector<std::string_view> parts;
    for (const StageEntry* entry : on) {
      conductance += 1.0 / entry->value;
      parts.push_back(entry->text);
    }
    side.values.push_back(on.empty() ? 0.0 : on.size() == 1 ? on.front()->value : 1.0 / conductance);
    side.switchesOn.push_back(switches);
    side.words.push_back(on.empty() ? std::string("none") : Joined(parts, kParallel));
  };
  ForEachSetting(list, mode, add);
  return side;
}

BigCount SettingCount(std::size_t entries, ListMode mode) {
  if (mode == ListMode::Switches) return BigCount::PowerOfTwo(entries);
  return BigCount(std::max<std::size_t>(entries, 1));
}
