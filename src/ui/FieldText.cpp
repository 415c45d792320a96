#include "FieldText.h"

#include <QList>
#include <QStringView>

namespace {

constexpr char32_t kGreekSmallMu = 0x03BC;
constexpr char kMicroByte = '\xB5';
constexpr char kForeign = '?';

char ToByte(char32_t c) {
  if (c == kGreekSmallMu) return kMicroByte;
  if (c == 0 || c > 0xFF) return kForeign;
  return static_cast<char>(c);
}

}  // namespace

std::string ToFieldBytes(const QString& text, std::size_t maxChars) {
  std::string bytes;
  // Characters, not UTF-16 units: a surrogate pair is one character.
  for (const char32_t c : QStringView(text).toUcs4()) {
    if (bytes.size() >= maxChars) break;
    bytes.push_back(ToByte(c));
  }
  return bytes;
}

QString FromFieldBytes(const std::string& bytes) {
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
