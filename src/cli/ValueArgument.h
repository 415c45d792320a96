#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// Values typed on the command line, read as the window reads its fields.

// A usage error: the message goes to standard error, the status is 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An argument (UTF-8 from the terminal) as the 8-bit bytes a field holds:
// Latin-1 characters keep their code, the Greek small mu becomes the micro
// sign, any other character '?'. Bytes that are not UTF-8 are taken as they are.
std::string ArgumentToFieldBytes(std::string_view argument);

// Reads an argument with the strict value reader and returns its value.
// Throws UsageError naming `option`, the argument and what is wrong when it is
// not one whole value, or, if `positive`, when it is not greater than zero.
double CheckValue(std::string_view option, std::string_view argument, bool positive);

// The field text for an argument, checked as CheckValue checks it: the
// argument's own bytes when a field reads them as the very same value, else
// the value's shortest exact decimal ("2.51E-10" would be exa in a field).
std::string ArgumentFieldText(std::string_view option, std::string_view argument, bool positive);

// A count as every option that takes one reads it: decimal digits only (no
// sign, space or prefix), at most nine of them. True and `count` set when
// `text` is one.
bool ReadCount(std::string_view text, int& count);

// Reads a count for `option`; throws UsageError naming the option and the
// argument when it is not one (`example` shows one) or not `least` to `most`.
int CheckCount(std::string_view option, std::string_view argument, int least, int most,
               std::string_view example);
