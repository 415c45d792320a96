// Arbitrary bytes into ParseEngValue; whatever it reads is formatted at both
// precisions the program uses, must fit its buffer and read back.
#include "engnum/EngValue.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const double value = ParseEngValue(text.c_str());

  for (int precision : {4, 6}) {
    // A guard byte after the buffer catches any write past its end even
    // without the sanitizer watching this stack frame.
    char out[kEngTextSize + 1];
    out[kEngTextSize] = '\x5a';
    FormatEngValue(value, precision, out, kEngTextSize);
    if (out[kEngTextSize] != '\x5a') std::abort();
    const std::size_t length = strnlen(out, kEngTextSize);
    if (length >= kEngTextSize || length > 13) std::abort();

    if (precision == 6 && std::isfinite(value) && value != 0.0) {
      const double back = ParseEngValue(out);
      // Six significant digits survive; denormals carry fewer digits of their own.
      if (std::fabs(value) > 1e-300 && std::fabs(back - value) > 5e-6 * std::fabs(value)) std::abort();
    }
  }
  return 0;
}
