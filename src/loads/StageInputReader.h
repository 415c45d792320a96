#pragma once

#include "StageSettings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reading the finder's inputs: every value by the strict reader, each fault
// named with the input it is in.

// One entry of an input, as typed (field bytes) and as read.
struct StageEntry {
  std::string_view text;
  double value;
};

// What may be typed into an input.
enum class Allowed { ZeroOrMore, Positive, AboveBandStart };

// Reads inputs in order and keeps the first fault in the result.
class StageInputReader {
 public:
  explicit StageInputReader(StageSettingsResult& result) : m_result(result) {}

  bool Failed() const { return !m_result.error.empty(); }

  // One entry; empty text gives `ifEmpty`, or an error when there is none.
  std::optional<StageEntry> Value(std::string_view text, StageInput input, Allowed allowed,
                                  std::optional<double> ifEmpty);
  std::vector<StageEntry> List(std::string_view text, StageInput input, Allowed allowed);
  // Ratios, each "N" or "1:N"; the entry's text is the whole of it.
  std::vector<StageEntry> Taps(std::string_view text, StageInput input);
  // L and RS are read as every other input is, so that a slip is named.
  std::optional<double> Component(const std::string& text, StageInput input);
  // The window's own RL is one of its fields, read as Calculate reads it.
  std::optional<double> WindowField(const std::string& text, StageInput input);

 private:
  std::optional<StageEntry> Checked(std::string_view text, StageInput input, Allowed allowed);
  void Fail(StageInput input, std::string message);

  StageSettingsResult& m_result;
};
