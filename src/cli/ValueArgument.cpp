#include "ValueArgument.h"

#include "circuit/CommandView.h"
#include "engnum/EngValue.h"
#include "engnum/FieldTextUtf8.h"
#include "engnum/NumberText.h"

#include <cmath>

namespace {

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  quoted += text;
  quoted += '"';
  return quoted;
}

}  // namespace

// A value typed on the command line is read as one in the preset file.
std::string ArgumentToFieldBytes(std::string_view argument) { return Utf8ToFieldBytes(argument); }

double CheckValue(std::string_view option, std::string_view argument, bool positive) {
  // Only what a command reads of the field counts.
  const std::string text = ArgumentToFieldBytes(argument).substr(0, kMaxFieldText - 1);
  const std::string shown = Quoted(argument);
  const double value = ParseEngValue(text.c_str());
  // The parser gives 0 for text that does not start with a number; the
  // command line takes nothing before it, not even a space.
  double leading = 0.0;
  const bool readable = ReadDecimal(text, leading);
  if (!readable || !std::isfinite(value))
    throw UsageError("cannot read " + shown + " for " + std::string(option));
  if (positive && !(value > 0.0))
    throw UsageError(std::string(option) + " must be greater than zero, not " + shown);
  return value;
}
