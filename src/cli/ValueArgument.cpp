#include "ValueArgument.h"

#include "circuit/CommandView.h"
#include "engnum/EngValue.h"
#include "engnum/NumberText.h"

#include <cmath>
#include <cstdint>
#include <optional>

namespace {

constexpr char32_t kGreekSmallMu = 0x03BC;

// Decodes UTF-8; nothing when the bytes are not well-formed.
std::optional<std::u32string> DecodeUtf8(std::string_view text) {
  std::u32string out;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t extra = 0;
    char32_t code = lead;
    if (lead >= 0xC2 && lead <= 0xDF) {
      extra = 1;
      code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      extra = 2;
      code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      extra = 3;
      code = lead & 0x07;
    } else if (lead >= 0x80) {
      return std::nullopt;
    }
    if (text.size() - i <= extra) return std::nullopt;
    for (std::size_t k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      code = (code << 6) | (next & 0x3F);
    }
    if ((extra == 2 && code < 0x800) || (extra == 3 && code < 0x10000) || code > 0x10FFFF ||
        (code >= 0xD800 && code <= 0xDFFF))
      return std::nullopt;
    out += code;
    i += extra + 1;
  }
  return out;
}

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  quoted += text;
  quoted += '"';
  return quoted;
}

}  // namespace

std::string ArgumentToFieldBytes(std::string_view argument) {
  const std::optional<std::u32string> characters = DecodeUtf8(argument);
  if (!characters) return std::string(argument);
  std::string bytes;
  for (const char32_t c : *characters) {
    if (c == kGreekSmallMu) {
      bytes += kMicroSign;
    } else if (c == 0 || c > 0xFF) {
      bytes += '?';
    } else {
      bytes += static_cast<char>(c);
    }
  }
  return bytes;
}

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
