#pragma once

#include <vector>

namespace linealidad {

// A table of a printed page whose rows do not fit above the page's footer continues on further
// sheets, each starting with the header and the table's heading line; the footer goes on the
// last sheet. A table that fits is one part, exactly as the page lays it out.

// Rows `firstRow` to `firstRow + rowCount - 1`, the first of them at `firstLine` (in L).
struct TablePart {
    int firstRow = 1;
    int rowCount = 0;
    int firstLine = 0;
    int lastLine() const { return firstLine + rowCount - 1; }
    friend bool operator==(const TablePart&, const TablePart&) = default;
};

// Rows 1 to `rows` split into parts: the first part from `firstLine`, each further part from
// `continuedLine`, no row below `lastLine`. There is always a first part, empty when there are
// no rows.
std::vector<TablePart> tableParts(int rows, int firstLine, int continuedLine, int lastLine);

} // namespace linealidad
