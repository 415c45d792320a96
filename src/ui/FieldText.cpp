#include "FieldText.h"

#include <QLineEdit>

#include "engnum/FieldTextUtf8.h"

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

QString FromFieldBytes(std::string_view bytes) { return QString::fromStdString(FieldBytesToUtf8(bytes)); }

std::string Bytes(const QLineEdit& edit) {
  const QString text = edit.text();
  return ToFieldBytes(text, static_cast<std::size_t>(text.size()));
}
