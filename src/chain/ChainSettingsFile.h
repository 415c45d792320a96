#pragma once

#include "chain/ChainInput.h"

#include <string>
#include <string_view>

// The transformer's inputs between runs (the window's dialog), kept in the one
// configuration folder (varnholt/transformer.txt) as "key=value" lines in
// UTF-8: ratio, Rp, Rs2, C1, Rsec, rated and wantedLoad. A line that cannot be
// read (an unknown key, a value the strict reader refuses) is ignored and the
// input keeps what it had.

struct ChainSettings {
  ChainTexts texts;
  std::string wantedLoad;  // the solver's wanted load, field bytes
};

// The file in `configFolder`; empty when there is no folder.
std::string ChainSettingsFilePath(const std::string& configFolder);

std::string ChainSettingsFileText(const ChainSettings& settings);
void ReadChainSettingsFileText(std::string_view text, ChainSettings& settings);

// Reads the file at `path` into `settings`; false when there is none.
bool LoadChainSettingsFile(const std::string& path, ChainSettings& settings);
// Writes it through the safe writer, creating its folder; empty on success,
// else why it failed.
std::string SaveChainSettingsFile(const std::string& path, const ChainSettings& settings);
