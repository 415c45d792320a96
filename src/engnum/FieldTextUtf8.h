#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The core keeps text as 8-bit bytes, one per character: Latin-1, with the
// micro sign as byte 0xB5 (a field's text, a number written for people).
// Everything outside the core speaks UTF-8 (the screen, a terminal, a preset
// file from a Linux editor). These are the only conversions between the two.

// What the bytes 0x80..0x9F mean: Latin-1's C1 controls (field text), or
// Windows-1252's letters and signs (a preset file from a Windows editor).
enum class CodePage { kLatin1, kWindows1252 };

// 8-bit text as UTF-8: every byte is the character of its code in `page`.
std::string FieldBytesToUtf8(std::string_view bytes, CodePage page = CodePage::kLatin1);

// Text as field bytes, as if it had been typed: valid UTF-8 is decoded, the
// micro sign and the Greek small mu become byte 0xB5, other Latin-1
// characters keep their code and any other character becomes '?'. Bytes that
// are not valid UTF-8 (a Windows editor's preset file) are kept as they are.
std::string Utf8ToFieldBytes(std::string_view text);

// The number of characters Utf8ToFieldBytes gives, without building it.
std::size_t FieldBytesLength(std::string_view text);

// A character as a field byte, as typing it gives: the micro sign and the
// Greek small mu are byte 0xB5, other Latin-1 characters keep their code and
// any other character (or NUL) is '?'.
char FieldByteOf(char32_t code);

// The length of the UTF-8 sequence at text[i] and its code point, or 0 when
// no valid sequence starts there (overlong forms, surrogates and code points
// past U+10FFFF are not UTF-8).
std::size_t DecodeUtf8At(std::string_view text, std::size_t i, char32_t& code);

bool IsValidUtf8(std::string_view text);

// Appends the UTF-8 form of `code` (at most U+10FFFF) to `out`.
void AppendUtf8(std::string& out, char32_t code);
