#include "ValueList.h"

#include "engnum/EngValue.h"

#include <string>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == ','; }

// The prefix letters ParseEngValue knows, micro sign included; the space of
// its table (no prefix) is a separator here.
bool IsPrefix(char c) {
  constexpr std::string_view kPrefixes = "yzafpnumkMGTPEZY\xB5";
  return kPrefixes.find(c) != std::string_view::npos;
}

}  // namespace

bool ReadEntry(std::string_view text, double& value) {
  // Longer than a field holds: ParseEngValue would look at part of it only.
  if (text.empty() || text.size() > kEngParseLimit - 1) return false;
  std::size_t i = 0;
  if (text[i] == '+' || text[i] == '-') ++i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < text.size() && IsPrefix(text[i])) ++i;
  if (i != text.size()) return false;
  value = ParseEngValue(std::string(text).c_str());
  return true;
}

std::vector<std::string_view> SplitList(std::string_view text) {
  std::vector<std::string_view> entries;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsSeparator(text[i])) ++i;
    const std::size_t start = i;
    while (i < text.size() && !IsSeparator(text[i])) ++i;
    if (i > start) entries.push_back(text.substr(start, i - start));
  }
  return entries;
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t start = text.find_first_not_of(" \t");
  if (start == std::string_view::npos) return {};
  return text.substr(start, text.find_last_not_of(" \t") - start + 1);
}
