#pragma once

#include "circuit/CommandView.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

// A stand-in for the dialog: fields are plain strings, message boxes and plot
// updates are recorded in order.
class FakeCommandView : public CommandView {
 public:
  struct Message {
    std::string text;
    std::optional<std::string> caption;  // nullopt: the application name
  };
  struct Curve {
    double F;
    double Q;
    bool current;
  };

  std::map<Field, std::string> fields;
  std::vector<Message> messages;
  std::vector<Curve> curves;
  std::vector<Field> writes;  // every SetFieldText, in order

  std::string GetFieldText(Field field, std::size_t maxCount) override {
    const std::string& text = fields[field];
    return maxCount == 0 ? std::string() : text.substr(0, maxCount - 1);
  }
  void SetFieldText(Field field, const std::string& text) override {
    fields[field] = text;
    writes.push_back(field);
  }
  void ShowMessage(const std::string& text, const char* caption) override {
    messages.push_back({text, caption ? std::optional<std::string>(caption) : std::nullopt});
  }
  void ShowCurve(double F, double Q, bool current) override { curves.push_back({F, Q, current}); }

  void SetComponents(const std::string& l, const std::string& rs, const std::string& c,
                     const std::string& rl) {
    fields[Field::L] = l;
    fields[Field::RS] = rs;
    fields[Field::C] = c;
    fields[Field::RL] = rl;
  }
};
