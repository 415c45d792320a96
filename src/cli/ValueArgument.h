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
