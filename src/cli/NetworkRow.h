#pragma once

#include "Report.h"

#include <vector>

class CliView;

// The columns of one loaded cartridge: the six quantities, the serial Q and
// the response figures, keyed as scripts rely on.
std::vector<Column> NetworkColumns();

// Appends the cells of the network that the last command left in the record
// and handed the plot. With `fieldTexts`, people see the texts the command
// wrote into the fields; otherwise they are formatted as the window would.
void AppendNetworkCells(const CliView& view, bool fieldTexts, std::vector<Cell>& cells);
