#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The one way a text a user or a file supplied stands in a message: UTF-8
// that a terminal or a label shows as it is. Core 8-bit text is turned into
// UTF-8 with FieldBytesToUtf8 first.

// `text` with every control character (C0, DEL and C1, which start escape
// sequences) and every byte that is not part of valid UTF-8 as U+FFFD.
std::string ShownText(std::string_view text);

// ShownText of `text` in double quotes; when `maxCharacters` is not zero, a
// longer text is cut there and ends in an ellipsis.
std::string QuotedText(std::string_view text, std::size_t maxCharacters = 0);
