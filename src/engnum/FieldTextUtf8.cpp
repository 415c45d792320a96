#include "FieldTextUtf8.h"

namespace {

constexpr char32_t kGreekSmallMu = 0x03BC;
constexpr char kMicroByte = '\xB5';
constexpr char kForeign = '?';

// Windows-1252 0x80..0x9F; the five unassigned bytes map to their C1 controls.
constexpr char32_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

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

std::string Utf8ToFieldBytes(std::string_view text) {
  if (!IsValidUtf8(text)) return std::string(text);
  std::string bytes;
  bytes.reserve(text.size());
  char32_t code;
  for (std::size_t i = 0; i < text.size();) {
    i += DecodeUtf8At(text, i, code);
    bytes.push_back(FieldByteOf(code));
  }
  return bytes;
}

std::size_t FieldBytesLength(std::string_view text) {
  if (!IsValidUtf8(text)) return text.size();
  std::size_t count = 0;
  for (const char c : text) {
    // Every character has exactly one byte that is not a continuation byte.
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

std::string FieldBytesToUtf8(std::string_view bytes, CodePage page) {
  std::string text;
  text.reserve(bytes.size());
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    const bool high = page == CodePage::kWindows1252 && byte >= 0x80 && byte < 0xA0;
    AppendUtf8(text, high ? kCp1252High[byte - 0x80] : char32_t{byte});
  }
  return text;
}
