#include "ValueArgument.h"

#include "Report.h"
#include "circuit/CommandView.h"
#include "engnum/EngValue.h"
#include "engnum/FieldTextUtf8.h"
#include "engnum/QuotedText.h"
#include "engnum/StrictValue.h"

#include <bit>
#include <cstdint>

// A value typed on the command line is read as one in the preset file.
std::string ArgumentToFieldBytes(std::string_view argument) { return Utf8ToFieldBytes(argument); }

double CheckValue(std::string_view option, std::string_view argument, bool positive) {
  const std::string shown = QuotedText(argument);
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

bool ReadCount(std::string_view text, int& count) {
  constexpr std::size_t kMaxDigits = 9;  // stays within an int
  if (text.empty() || text.size() > kMaxDigits) return false;
  count = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    count = count * 10 + (c - '0');
  }
  return true;
}

int CheckCount(std::string_view option, std::string_view argument, int least, int most,
               std::string_view example) {
  int count = 0;
  const std::string prefix = std::string(option) + " " + QuotedText(argument);
  if (!ReadCount(argument, count))
    throw UsageError(prefix + " is not a count, such as " + std::string(example));
  if (count < least || count > most)
    throw UsageError(prefix + " must be " + std::to_string(least) + " to " + std::to_string(most));
  return count;
}
