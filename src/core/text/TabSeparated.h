#pragma once

#include <span>
#include <string>
#include <vector>

namespace linealidad {

// Rows of cells as spreadsheets exchange them through the clipboard.
using CellRows = std::vector<std::vector<std::string>>;

// Splits text copied from a spreadsheet: TAB between cells, one line per row (CR LF, LF or a
// lone CR). The line end after the last row starts no further row. A cell that begins with a
// double quote runs to the matching quote and may hold tabs, line ends and doubled quotes.
CellRows splitTabSeparated(const std::string& text);

// The cells of one line with a TAB between them, as they are: the command-line tool's lines.
std::string joinCells(std::span<const std::string> cells);

// Rows as a spreadsheet takes them: TAB between cells, LF after every row. A cell holding a
// TAB, a line end or a double quote is quoted, its quotes doubled.
std::string joinTabSeparated(const CellRows& rows);

} // namespace linealidad
