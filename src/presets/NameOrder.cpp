#include "NameOrder.h"

#include "engnum/FieldTextUtf8.h"

#include <algorithm>
#include <iterator>

namespace {

unsigned char Fold(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

}  // namespace

bool NameLessNoCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return Fold(x) < Fold(y); });
}

void SortedNameList::AddNames(std::vector<std::string> names) {
  if (names.empty()) return;
  std::stable_sort(names.begin(), names.end(), NameLessNoCase);
  std::vector<std::string> merged;
  merged.reserve(m_names.size() + names.size());
  // std::merge takes from the first range on ties: new names follow equal old ones.
  std::merge(std::make_move_iterator(m_names.begin()), std::make_move_iterator(m_names.end()),
             std::make_move_iterator(names.begin()), std::make_move_iterator(names.end()),
             std::back_inserter(merged), NameLessNoCase);
  m_names = std::move(merged);
}

void SortedNameList::AddSorted(std::vector<std::string> names) {
  if (m_names.empty()) {
    m_names = std::move(names);
  } else {
    m_names.insert(m_names.end(), std::make_move_iterator(names.begin()),
                   std::make_move_iterator(names.end()));
  }
}

std::string NameToDisplayUtf8(std::string_view name) {
  return IsValidUtf8(name) ? std::string(name) : FieldBytesToUtf8(name, CodePage::kWindows1252);
}
