#pragma once

#include "circuit/CommandView.h"

#include <cstddef>
#include <string>
#include <vector>

// What Reset, choosing a name and the serial-Q hint need of the main dialog.
// The dialog implements it; tests use a fake.
class PresetView {
 public:
  virtual ~PresetView() = default;

  // The field's text as 8-bit bytes, at most maxCount - 1 of them.
  virtual std::string GetFieldText(Field field, std::size_t maxCount) = 0;
  virtual void SetFieldText(Field field, const std::string& text) = 0;

  // The Name list. Each name goes to its place in NameLessNoCase order; a batch
  // lets the list merge once. Names are never removed.
  virtual void AddNames(std::vector<std::string> names) = 0;
  // Selects without notifying, as a selection by the program does.
  virtual void SelectName(int index) = 0;
  // The selected entry's bytes; false when nothing is selected.
  virtual bool GetSelectedName(std::string& name) = 0;

  virtual void SetHintText(const std::string& text) = 0;
  // Marks the plotted curve stale (grey) and repaints the plot.
  virtual void MarkCurveStale() = 0;
};
