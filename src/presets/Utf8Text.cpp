#include "Utf8Text.h"

namespace {

constexpr char32_t kGreekSmallMu = 0x03BC;
constexpr char kMicroByte = '\xB5';
constexpr char kForeign = '?';

}  // namespace

char FieldByteOf(char32_t code) {
  if (code == kGreekSmallMu) return kMicroByte;
  if (code == 0 || code > 0xFF) return kForeign;
  return static_cast<char>(code);
}

std::size_t DecodeUtf8At(std::string_view text, std::size_t i, char32_t& code) {
  const auto lead = static_cast<unsigned char>(text[i]);
  std::size_t extra;
  if (lead < 0x80) {
    code = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1;
    code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2;
    code = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3;
    code = lead & 0x07;
  } else {
    return 0;
  }
  if (text.size() - i <= extra) return 0;
  for (std::size_t k = 1; k <= extra; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xC0) != 0x80) return 0;
    code = (code << 6) | (next & 0x3F);
  }
  if ((extra == 2 && code < 0x800) || (extra == 3 && code < 0x10000) || code > 0x10FFFF ||
      (code >= 0xD800 && code <= 0xDFFF))
    return 0;
  return extra + 1;
}

bool IsValidUtf8(std::string_view text) {
  char32_t code;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = DecodeUtf8At(text, i, code);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string PresetValueToFieldBytes(std::string_view value) {
  if (!IsValidUtf8(value)) return std::string(value);
  std::string bytes;
  bytes.reserve(value.size());
  char32_t code;
  for (std::size_t i = 0; i < value.size();) {
    i += DecodeUtf8At(value, i, code);
    bytes.push_back(FieldByteOf(code));
  }
  return bytes;
}

std::size_t PresetValueLength(std::string_view value) {
  if (!IsValidUtf8(value)) return value.size();
  std::size_t count = 0;
  for (const char c : value) {
    // Every character has exactly one byte that is not a continuation byte.
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}
