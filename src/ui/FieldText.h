#pragma once

#include <QString>

class QLineEdit;

#include <cstddef>
#include <string>
#include <string_view>

// Field texts cross between the window and the core as 8-bit bytes, one byte
// per character, with the micro sign as byte 0xB5 (engnum/FieldTextUtf8.h).

// At most `maxChars` characters of `text` as bytes. Latin-1 characters keep
// their code; the Greek small mu, which people paste for micro, becomes the
// micro sign; any other character becomes '?', which no number or prefix
// letter uses.
std::string ToFieldBytes(const QString& text, std::size_t maxChars);

// Bytes back to screen text: byte 0xB5 shows as U+00B5.
QString FromFieldBytes(std::string_view bytes);

// A line edit's whole text as bytes, as the finder and the map read their inputs.
std::string Bytes(const QLineEdit& edit);
