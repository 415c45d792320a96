#pragma once

#include "Report.h"

#include <cstdio>
#include <vector>

class CliView;

// The columns of one loaded cartridge: the six quantities, the serial Q and
// the response figures, keyed as scripts rely on.
std::vector<Column> NetworkColumns();

// Appends the cells of the network that the last command left in the record
// and handed the plot. With `fieldTexts`, people see the texts the command
// wrote into the fields; otherwise they are formatted as the window would.
void AppendNetworkCells(const CliView& view, bool fieldTexts, std::vector<Cell>& cells);

// True, after saying which on `err`, when a cell of `cells` holds a number
// that is not finite: such a figure is never reported as a result.
bool RefuseNonFinite(const std::vector<Column>& columns, const std::vector<Cell>& cells, std::FILE* err);
