#pragma once

#include "chain/ChainInput.h"

#include <optional>
#include <string>
#include <vector>

// What the window's dialog and the page's panel show for the chain, worked
// out and worded here so that both only display it. Texts are UTF-8.

struct ChainPanelRow {
  std::string label;
  std::string value;  // "—" when the figure does not exist
};

struct ChainPanel {
  std::string problem;  // what stops the figures, in words; empty when there are figures
  std::vector<ChainPanelRow> rows;
  std::optional<ChainValues> chain;  // the chain the rows are about, to draw
  std::string rsecText;              // the solver's E96 value as a field text (8-bit), to put into Rsec
};

// The window's four component fields (8-bit field bytes, read as Calculate
// reads them) and the transformer's texts.
struct ChainPanelInput {
  std::string L, RS, C, RL;
  ChainTexts texts;
};

ChainPanel ComputeChainPanel(const ChainPanelInput& input);

// The resistor across the secondary for the wanted load typed in `wanted`
// (strict reader): the exact value and the E24 and E96 ones with the load each
// gives, or the problem.
ChainPanel SolveChainPanel(const ChainPanelInput& input, const std::string& wanted);
