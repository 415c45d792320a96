#pragma once

#include <string_view>
#include <vector>

// Strict reading of the finder's entries. ParseEngValue never fails and reads
// "22x0p" as 22; an entry here must be exactly a decimal number (sign, digits,
// an optional point) and at most one prefix letter, so that a typing slip is
// named rather than taken for another value. The value is ParseEngValue's, so
// it has the same bits as the same text in a field.

// True when `text` is one whole entry; `value` then holds its value.
bool ReadEntry(std::string_view text, double& value);

// The entries of a list: separated by spaces, tabs or commas; empty pieces
// between separators are skipped.
std::vector<std::string_view> SplitList(std::string_view text);

// `text` without leading and trailing spaces and tabs.
std::string_view Trimmed(std::string_view text);
