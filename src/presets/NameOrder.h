#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The Name list's order: alphabetical without regard to letter case (ASCII
// letters fold; other bytes compare by value). Names equal but for case keep
// the order in which they were added.
bool NameLessNoCase(std::string_view a, std::string_view b);

// The names of the Name list in their sorted order. Adding a batch costs one
// sort of the batch and one merge, so a Reset of many names stays linear-ish.
class SortedNameList {
 public:
  // Each name goes to its sorted place, after names that compare equal.
  void AddNames(std::vector<std::string> names);
  // Appends names that are already in order, as a list being rebuilt has them.
  void AddSorted(std::vector<std::string> names);

  std::size_t size() const { return m_names.size(); }
  const std::string& at(std::size_t index) const { return m_names.at(index); }
  const std::vector<std::string>& names() const { return m_names; }

 private:
  std::vector<std::string> m_names;
};

// The bytes of a name as UTF-8 for display: unchanged when they are valid
// UTF-8, otherwise read as Windows-1252.
std::string NameToDisplayUtf8(std::string_view name);
