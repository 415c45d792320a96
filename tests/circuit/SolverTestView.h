#pragma once

#include "circuit/Calculate.h"
#include "support/FakeCommandView.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

// The fake view that also keeps every read and the text of every write, to
// check the reading order and what a command wrote before Calculate overwrote it.
class SolverTestView : public FakeCommandView {
 public:
  std::vector<Field> reads;
  std::vector<std::pair<Field, std::string>> written;
  std::vector<Field> marked;  // every field a command said it could not use

  std::string GetFieldText(Field field, std::size_t maxCount) override {
    reads.push_back(field);
    return FakeCommandView::GetFieldText(field, maxCount);
  }

  void SetFieldText(Field field, const std::string& text) override {
    written.emplace_back(field, text);
    FakeCommandView::SetFieldText(field, text);
  }

  void MarkUnusable(Field field) override { marked.push_back(field); }

  void Set(Field field, const std::string& text) { fields[field] = text; }
};

// A refused command: exactly one box with `message` (captioned "Error" for the
// input error, the application name otherwise), no field written, no curve.
inline void ExpectRefusedWith(const SolverTestView& view, const char* message) {
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].text, message);
  if (std::string(message) == kInputErrorText) {
    EXPECT_EQ(view.messages[0].caption, "Error");
  } else {
    EXPECT_FALSE(view.messages[0].caption.has_value());  // the application name
  }
  EXPECT_TRUE(view.written.empty());
  EXPECT_TRUE(view.curves.empty());
}
