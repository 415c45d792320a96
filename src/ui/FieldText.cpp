#include "FieldText.h"

#include "presets/Utf8Text.h"

#include <QList>
#include <QStringView>

std::string ToFieldBytes(const QString& text, std::size_t maxChars) {
  std::string bytes;
  // Characters, not UTF-16 units: a surrogate pair is one character.
  for (const char32_t c : QStringView(text).toUcs4()) {
    if (bytes.size() >= maxChars) break;
    bytes.push_back(FieldByteOf(c));
  }
  return bytes;
}

QString FromFieldBytes(const std::string& bytes) {
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
