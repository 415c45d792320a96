#pragma once

#include "support/FakeCommandView.h"

#include <string>
#include <utility>
#include <vector>

// The fake view that also keeps every read and the text of every write, to
// check the reading order and what a command wrote before Calculate overwrote it.
class SolverTestView : public FakeCommandView {
 public:
  std::vector<Field> reads;
  std::vector<std::pair<Field, std::string>> written;

  std::string GetFieldText(Field field, std::size_t maxCount) override {
    reads.push_back(field);
    return FakeCommandView::GetFieldText(field, maxCount);
  }

  void SetFieldText(Field field, const std::string& text) override {
    written.emplace_back(field, text);
    FakeCommandView::SetFieldText(field, text);
  }

  void Set(Field field, const std::string& text) { fields[field] = text; }
};
