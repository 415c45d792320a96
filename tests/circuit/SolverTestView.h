#pragma once

#include "support/FakeCommandView.h"

#include <string>
#include <utility>
#include <vector>

// The fake view that also keeps the text of every write, to check what a
// command wrote before Calculate overwrote it.
class SolverTestView : public FakeCommandView {
 public:
  std::vector<std::pair<Field, std::string>> written;

  void SetFieldText(Field field, const std::string& text) override {
    written.emplace_back(field, text);
    FakeCommandView::SetFieldText(field, text);
  }

  void Set(Field field, const std::string& text) { fields[field] = text; }
};
