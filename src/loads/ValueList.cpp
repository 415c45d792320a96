#include "ValueList.h"
#include "engnum/StrictValue.h"

namespace {

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == ','; }

}  // namespace

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

bool IsUsableWanted(std::string_view text) {
  double value = 0.0;
  return ReadStrictValue(Trimmed(text), value) && value > 0.0;
}
