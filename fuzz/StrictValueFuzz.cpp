// Arbitrary bytes into the strict value reader: it never reads past the text,
// names a problem for whatever it refuses, gives only finite values, and
// gives a field's very bits for a text a field would read whole.
#include "engnum/EngValue.h"
#include "engnum/StrictValue.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

bool HasExponent(std::string_view text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i)
    if (text[i] == 'e' || text[i] == 'E') return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A view of exactly the input: no terminator to lean on.
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  double value = 0.0;
  std::string problem;
  if (!ReadStrictValue(text, value, &problem)) {
    if (problem.empty()) std::abort();
    return 0;
  }
  if (!std::isfinite(value)) std::abort();
  if (!HasExponent(text) && text.size() < kEngParseLimit) {
    const std::string field(text);
    if (std::bit_cast<std::uint64_t>(ParseEngValue(field.c_str())) != std::bit_cast<std::uint64_t>(value))
      std::abort();
  }
  return 0;
}
