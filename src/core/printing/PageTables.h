#pragma once

#include "core/printing/SheetWriter.h"
#include "core/stats/Results.h"
#include "core/study/Study.h"

#include <string>
#include <vector>

namespace linealidad {

// The tables the printed pages share, each at the lines and columns its page gives.

// A row of cells on `line`, each at its column; cells beyond the columns are not printed.
void printCells(SheetWriter& out, int line, const std::vector<int>& columns,
                const std::vector<std::string>& cells);

// A table's headings on `line` and a rule on the line below, `rulePixels` device pixels down.
void printHeadings(SheetWriter& out, int line, const std::vector<int>& columns,
                   const std::vector<std::string>& headings, int rulePixels);

// Where the columns of a grid stand: column c at `first + step · c` U.
struct GridColumns {
    int first = 0;
    int step = 0;
    int at(int c) const { return first + step * c; }
};

// The lines of a table that may continue: its heading line on the first sheet and on each
// further one, and the lowest line a row may take (the line above the footer).
struct TableLines {
    int heading = 0;
    int continuedHeading = 0;
    int last = 0;
};

// The levels grid `stgniveles`: columns 0 to N, N the number-of-levels text converted to an
// integer (a text that is not one throws before anything is printed), each column top to
// bottom through rows 0, 1 and 2 from `firstLine`. The grid has two rows; row 2 prints empty.
// The levels that do not fit the printable width continue in further bands of three lines
// below, each starting with the heading column again. Returns the lines the bands after the
// first take (0 when the grid fits in one).
int printLevelsGrid(SheetWriter& out, const Study& study, int firstLine, GridColumns columns);

// The data grid `stgdatos`: columns 0 to 2, each top to bottom, row 0 (the headings) at the
// heading line and the observations below it, continuing on further sheets. Returns the line
// of the last row printed, on the last sheet.
int printDataGrid(SheetWriter& out, const Study& study, TableLines lines, GridColumns columns);

// The residual table: `heading` and then one residualRow per observation of the data grid
// (its row count less the headings), all at `column`, continuing on further sheets.
void printResidualTable(SheetWriter& out, const Study& study, const Residuals& residuals,
                        char decimal, const std::string& heading, int column, TableLines lines,
                        bool studentized);

} // namespace linealidad
