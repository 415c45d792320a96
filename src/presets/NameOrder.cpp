#include "NameOrder.h"

#include "engnum/FieldTextUtf8.h"

#include <algorithm>
#include <iterator>

namespace {

unsigned char Fold(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

// Windows-1252 0x80..0x9F; the five unassigned bytes map to their C1 controls.
constexpr char32_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

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
  if (IsValidUtf8(name)) return std::string(name);
  std::string out;
  out.reserve(name.size() * 2);
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    AppendUtf8(out, byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : char32_t{byte});
  }
  return out;
}
