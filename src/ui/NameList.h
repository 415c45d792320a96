#pragma once

#include <string>
#include <vector>

class QComboBox;

// The Name list keeps each cartridge name's own bytes next to its display text:
// the bytes are the table's key, the text is UTF-8 when the bytes are valid
// UTF-8 and Windows-1252 otherwise.

// Puts each name at its case-insensitive sorted place. The list is rebuilt in
// one pass, so a file of many names fills it quickly; the selection is left to
// the caller.
void AddNamesToList(QComboBox& combo, std::vector<std::string> names);

// The bytes of an entry's name; for an entry added without them, its text as UTF-8.
std::string NameOfEntry(const QComboBox& combo, int index);
