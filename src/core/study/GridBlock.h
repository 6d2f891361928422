#pragma once

#include "core/study/StringGrid.h"
#include "core/text/TabSeparated.h"

#include <optional>
#include <string>

namespace linealidad {

// The width of a block: the cells of its longest row.
int blockWidth(const CellRows& block);

// Pastes a block of cells into `grid` with its first cell at (col, row), all or nothing: a
// block that runs past the grid's last column or last row changes nothing, and the message
// that says so (with how many rows and columns fit from that cell) is returned.
std::optional<std::string> pasteBlock(StringGrid& grid, int col, int row, const CellRows& block);

// A block whose first row has text but no number in it (in either decimal separator), above
// further rows: a spreadsheet's heading over its data.
bool startsWithHeading(const CellRows& block);

// What the status line says of a heading left out of a paste.
std::string headingSkippedNote(const std::vector<std::string>& heading);

// The cells of the rectangle from (firstCol, firstRow) to (lastCol, lastRow), row by row.
CellRows copyBlock(const StringGrid& grid, int firstCol, int firstRow, int lastCol, int lastRow);

} // namespace linealidad
