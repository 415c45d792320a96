#include "ValueArgument.h"

#include "Report.h"
#include "circuit/CommandView.h"
#include "engnum/EngValue.h"
#include "engnum/FieldTextUtf8.h"
#include "engnum/StrictValue.h"

#include <bit>
#include <cstdint>

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
  const std::string shown = Quoted(argument);
  double value = 0.0;
  std::string problem;
  if (!ReadStrictValue(ArgumentToFieldBytes(argument), value, &problem))
    throw UsageError("cannot read " + shown + " for " + std::string(option) + ": " + problem);
  if (positive && !(value > 0.0))
    throw UsageError(std::string(option) + " must be greater than zero, not " + shown);
  return value;
}

std::string ArgumentFieldText(std::string_view option, std::string_view argument, bool positive) {
  const double value = CheckValue(option, argument, positive);
  std::string bytes = ArgumentToFieldBytes(argument);
  if (bytes.size() < kMaxFieldText &&
      std::bit_cast<std::uint64_t>(ParseEngValue(bytes.c_str())) == std::bit_cast<std::uint64_t>(value))
    return bytes;
  return ShortestDecimal(value);
}
