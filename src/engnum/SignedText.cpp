#include "SignedText.h"

#include "NumberText.h"

std::string SignedFixed(double value, int decimals) {
  std::string text = FormatFixed(value, decimals);
  if (text.empty() || text[0] != '-') return "+" + text;
  // A value that rounds to zero has no sign of its own.
  if (text.find_first_not_of("-0.") == std::string::npos) text[0] = '+';
  return text;
}

std::string SignedDbText(double db) { return SignedFixed(db, 2) + " dB"; }
