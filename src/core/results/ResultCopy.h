#pragma once

#include "core/text/TabSeparated.h"

#include <array>
#include <string>
#include <vector>

namespace linealidad {

// The texts of the result windows as rows of cells a spreadsheet takes (what Ctrl+C copies):
// the blanks that align them on the screen are dropped, and each number is a cell of its own.

// The inference lines: a line "NAME = value" gives the cells NAME and value; any other line
// (the title, the origin sentence) one cell; a blank line an empty row.
CellRows inferenceCopy(const std::vector<std::string>& lines);

// The variance table, cell by cell.
CellRows anovaCopy(const CellRows& cells);

// The four residual columns side by side: one heading row joining each column's two heading
// lines (without the "****" filler), then one row per observation.
CellRows residualCopy(const std::array<std::vector<std::string>, 4>& columns);

} // namespace linealidad
