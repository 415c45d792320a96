#pragma once

#include <string>
#include <string_view>

// The one strict reading of a value that is not typed into one of the window's
// fields: command-line options, the stage finder's lists and inputs, stored
// settings. The whole text must be a decimal number (an optional sign, digits
// with at most one point, at least one digit), then either an exponent ("e" or
// "E" followed by a sign or a digit) or at most one prefix letter of
// "yzafpnumkMGTPEZY" or the micro sign (byte 0xB5), and nothing else. Any
// length is read whole. A lone "E" is the exa prefix, as in a field.
//
// Without an exponent the value has the very bits ParseEngValue gives for the
// same text, so a value reads alike wherever it is typed.

// True when `text` is one whole value, which is then in `value`. Otherwise
// `problem`, when given, says what is wrong in UTF-8, quoting the offending
// text with QuotedText.
bool ReadStrictValue(std::string_view text, double& value, std::string* problem = nullptr);
