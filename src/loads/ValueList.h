#pragma once

#include <string_view>
#include <vector>

// The finder's lists and inputs. Each entry is read with ReadStrictValue
// (engnum/StrictValue.h), so a typing slip is named rather than taken for
// another value.

// The entries of a list: separated by spaces, tabs or commas; empty pieces
// between separators are skipped.
std::vector<std::string_view> SplitList(std::string_view text);

// `text` without leading and trailing spaces and tabs.
std::string_view Trimmed(std::string_view text);

// True when `text`, spaces around it aside, is one value above zero: the
// window's F and Q become the finder's wanted F and Q only then.
bool IsUsableWanted(std::string_view text);
