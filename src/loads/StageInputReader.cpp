#include "StageInputReader.h"

#include "ValueList.h"
#include "circuit/CommandView.h"
#include "engnum/EngValue.h"
#include "engnum/FieldTextUtf8.h"
#include "engnum/QuotedText.h"
#include "engnum/StrictValue.h"

#include <cmath>

namespace {

const char* NameOf(StageInput input) {
  switch (input) {
    case StageInput::L:
      return "L";
    case StageInput::RS:
      return "RS";
    case StageInput::Cable:
      return "cable";
    case StageInput::CBase:
      return "capacitance base";
    case StageInput::CList:
      return "stage capacitance";
    case StageInput::RBase:
      return "resistance base";
    case StageInput::RList:
      return "stage resistance";
    case StageInput::BandEdge:
      return "band edge";
    case StageInput::TargetF:
      return "F wanted";
    case StageInput::TargetQ:
      return "Q wanted";
    case StageInput::RL:
      return "the window's RL";
    case StageInput::Taps:
      return "taps";
    case StageInput::RsecList:
      return "Rsec";
    case StageInput::Rp:
      return "Rp";
    case StageInput::Rs2:
      return "Rs2";
    case StageInput::C1:
      return "C1";
    case StageInput::TargetLoad:
      return "load wanted";
    case StageInput::None:
      break;
  }
  return "";
}

// The entry as it stands in a message: UTF-8, and not longer than a field.
std::string Quoted(std::string_view text) {
  constexpr std::size_t kShown = 30;
  return QuotedText(FieldBytesToUtf8(text), kShown);
}

bool IsAllowed(double value, Allowed allowed) {
  switch (allowed) {
    case Allowed::ZeroOrMore:
      return value >= 0.0;
    case Allowed::Positive:
      return value > 0.0;
    case Allowed::AboveBandStart:
      break;
  }
  return value > kAudibleLowHz;
}

const char* Requirement(Allowed allowed) {
  switch (allowed) {
    case Allowed::ZeroOrMore:
      return "must not be below zero";
    case Allowed::Positive:
      return "must be above zero";
    case Allowed::AboveBandStart:
      break;
  }
  return "must be above 20 Hz";
}

}  // namespace

std::optional<StageEntry> StageInputReader::Value(std::string_view text, StageInput input, Allowed allowed,
                                                  std::optional<double> ifEmpty) {
  if (Failed()) return std::nullopt;
  text = Trimmed(text);
  if (text.empty()) {
    if (!ifEmpty) Fail(input, std::string(NameOf(input)) + " is empty");
    return ifEmpty ? std::optional<StageEntry>(StageEntry{text, *ifEmpty}) : std::nullopt;
  }
  return Checked(text, input, allowed);
}

std::vector<StageEntry> StageInputReader::List(std::string_view text, StageInput input, Allowed allowed) {
  std::vector<StageEntry> entries;
  for (std::string_view piece : SplitList(text)) {
    const std::optional<StageEntry> entry = Checked(piece, input, allowed);
    if (!entry) return {};
    entries.push_back(*entry);
  }
  return entries;
}

std::vector<StageEntry> StageInputReader::Taps(std::string_view text, StageInput input) {
  std::vector<StageEntry> entries;
  if (Failed()) return entries;
  for (std::string_view piece : SplitList(text)) {
    const std::string_view number = piece.starts_with("1:") ? piece.substr(2) : piece;
    const std::optional<StageEntry> entry = Checked(number, input, Allowed::Positive);
    if (!entry) return {};
    entries.push_back(StageEntry{piece, entry->value});
  }
  return entries;
}

std::optional<double> StageInputReader::Component(const std::string& text, StageInput input) {
  const std::optional<StageEntry> entry = Value(text, input, Allowed::Positive, std::nullopt);
  return entry ? std::optional<double>(entry->value) : std::nullopt;
}

std::optional<double> StageInputReader::WindowField(const std::string& text, StageInput input) {
  if (Failed()) return std::nullopt;
  const std::string field = text.substr(0, kMaxFieldText - 1);
  const double value = ParseEngValue(field.c_str());
  if (value > 0.0 && std::isfinite(value)) return value;  // a field may read as infinity
  double strict = 0.0;
  if (Trimmed(field).empty()) {
    Fail(input, std::string(NameOf(input)) + " is empty");
  } else if (ReadStrictValue(field, strict)) {
    Fail(input, Quoted(field) + " in " + NameOf(input) + " must be above zero");
  } else {
    Fail(input, "Cannot read " + Quoted(field) + " in " + NameOf(input));
  }
  return std::nullopt;
}

std::optional<StageEntry> StageInputReader::Checked(std::string_view text, StageInput input,
                                                    Allowed allowed) {
  double value = 0.0;
  if (!ReadStrictValue(text, value)) {
    Fail(input, "Cannot read " + Quoted(text) + " in " + NameOf(input));
    return std::nullopt;
  }
  if (!IsAllowed(value, allowed)) {
    Fail(input, Quoted(text) + " in " + NameOf(input) + " " + Requirement(allowed));
    return std::nullopt;
  }
  return StageEntry{text, value};
}

void StageInputReader::Fail(StageInput input, std::string message) {
  if (Failed()) return;
  m_result.error = std::move(message);
  m_result.input = input;
}
