#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A preset file may come from a Windows editor (Windows-1252) or a Linux one
// (UTF-8). Bytes that are valid UTF-8 are read as UTF-8, all others as before.

// The length of the UTF-8 sequence at text[i] and its code point, or 0 when
// no valid sequence starts there (overlong forms, surrogates and code points
// past U+10FFFF are not UTF-8).
std::size_t DecodeUtf8At(std::string_view text, std::size_t i, char32_t& code);

bool IsValidUtf8(std::string_view text);

// A character as a field byte, as typing it gives: the micro sign and the
// Greek small mu are byte 0xB5, other Latin-1 characters keep their code and
// any other character (or NUL) is '?'.
char FieldByteOf(char32_t code);

// A preset value as field bytes, as if it had been typed: valid UTF-8 is
// decoded, the micro sign and the Greek small mu become byte 0xB5, other
// Latin-1 characters keep their code and any other character becomes '?'.
// Bytes that are not valid UTF-8 are kept as they are.
std::string PresetValueToFieldBytes(std::string_view value);

// The number of characters PresetValueToFieldBytes gives, without building it.
std::size_t PresetValueLength(std::string_view value);
