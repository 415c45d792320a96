#include "QuotedText.h"

#include "FieldTextUtf8.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsControl(char32_t code) { return code < 0x20 || (code >= 0x7F && code < 0xA0); }

}  // namespace

std::string ShownText(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  char32_t code = 0;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = DecodeUtf8At(text, i, code);
    if (length == 0 || IsControl(code)) {
      AppendUtf8(shown, kReplacement);
      i += length == 0 ? 1 : length;
    } else {
      shown.append(text.substr(i, length));
      i += length;
    }
  }
  return shown;
}

std::string QuotedText(std::string_view text, std::size_t maxCharacters) {
  std::string shown = ShownText(text);
  if (maxCharacters != 0) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < shown.size(); ++i) {
      if ((static_cast<unsigned char>(shown[i]) & 0xC0) == 0x80) continue;
      if (characters++ == maxCharacters) {
        shown.resize(i);
        shown += "\xE2\x80\xA6";  // an ellipsis
        break;
      }
    }
  }
  return "\"" + shown + "\"";
}
