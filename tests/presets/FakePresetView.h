#pragma once

#include "presets/NameOrder.h"
#include "presets/PresetView.h"

#include <map>
#include <string>
#include <vector>

// A stand-in for the dialog: fields are plain strings, the Name list is a
// SortedNameList with a selection index, stale marks are counted.
class FakePresetView : public PresetView {
 public:
  std::map<Field, std::string> fields;
  SortedNameList names;
  int selected = -1;
  std::string hint = "Static";
  int staleMarks = 0;

  std::string GetFieldText(Field field, std::size_t maxCount) override {
    const std::string& text = fields[field];
    return maxCount == 0 ? std::string() : text.substr(0, maxCount - 1);
  }
  void SetFieldText(Field field, const std::string& text) override { fields[field] = text; }
  void AddNames(std::vector<std::string> added) override { names.AddNames(std::move(added)); }
  void SelectName(int index) override {
    selected = index >= 0 && static_cast<std::size_t>(index) < names.size() ? index : -1;
  }
  bool GetSelectedName(std::string& name) override {
    if (selected < 0) return false;
    name = names.at(static_cast<std::size_t>(selected));
    return true;
  }
  void SetHintText(const std::string& text) override { hint = text; }
  void MarkCurveStale() override { ++staleMarks; }
};
