#include "core/printing/PageTables.h"

#include "core/printing/PageTexts.h"
#include "core/printing/TableParts.h"
#include "core/study/StudyFile.h"
#include "core/text/NumberParse.h"

#include <algorithm>
#include <vector>

namespace linealidad {
namespace {

constexpr int kLevelsGridRows = 3;
constexpr int kDataGridColumns = 3;

std::vector<TablePart> partsOf(int rows, TableLines lines) {
    return tableParts(rows, lines.heading + 1, lines.continuedHeading + 1, lines.last);
}

// Sheets after the first start with the header and the heading line above the part's rows.
int headingLineOf(SheetWriter& out, const TablePart& part, bool first) {
    if (!first)
        out.newSheet();
    return part.firstLine - 1;
}

// Column `c` of the levels grid, top to bottom from `line`.
void levelColumn(SheetWriter& out, const Study& study, int c, int line, int column) {
    for (int row = 0; row < kLevelsGridRows; ++row)
        out.text(line + row, column, study.stgniveles.cell(c, row));
}

// The levels a band holds beside its heading column: those whose column ends, one step on,
// within the printable width; at least one.
int levelsPerBand(int printableColumns, GridColumns columns) {
    return std::max(1, (printableColumns - columns.first) / columns.step - 1);
}

} // namespace

void printCells(SheetWriter& out, int line, const std::vector<int>& columns,
                const std::vector<std::string>& cells) {
    for (std::size_t c = 0; c < cells.size() && c < columns.size(); ++c)
        out.text(line, columns[c], cells[c]);
}

void printHeadings(SheetWriter& out, int line, const std::vector<int>& columns,
                   const std::vector<std::string>& headings, int rulePixels) {
    printCells(out, line, columns, headings);
    out.rule(line + 1, rulePixels);
}

int printLevelsGrid(SheetWriter& out, const Study& study, int firstLine, GridColumns columns) {
    // More levels than a study can hold (a count typed and not yet accepted) would only print
    // empty bands down the sheet.
    const int N = std::min(parseInteger(study.eniveles), kMaximumLevels);
    if (N < 0)
        return 0;
    const int perBand = levelsPerBand(out.printableColumns(), columns);
    int line = firstLine;
    for (int first = 1; first <= std::max(N, 1); first += perBand, line += kLevelsGridRows) {
        const int last = std::min(N, first + perBand - 1);
        levelColumn(out, study, 0, line, columns.at(0));
        for (int c = first; c <= last; ++c)
            levelColumn(out, study, c, line, columns.at(c - first + 1));
    }
    return line - firstLine - kLevelsGridRows;
}

int printDataGrid(SheetWriter& out, const Study& study, TableLines lines, GridColumns columns) {
    const StringGrid& grid = study.stgdatos;
    if (grid.rowCount() == 0)
        return lines.heading - 1;
    const std::vector<TablePart> parts = partsOf(grid.rowCount() - 1, lines);
    for (const TablePart& part : parts) {
        const int headingLine = headingLineOf(out, part, &part == &parts.front());
        for (int c = 0; c < kDataGridColumns; ++c) {
            out.text(headingLine, columns.at(c), grid.cell(c, 0));
            for (int k = 0; k < part.rowCount; ++k)
                out.text(part.firstLine + k, columns.at(c), grid.cell(c, part.firstRow + k));
        }
    }
    return parts.back().lastLine();
}

void printResidualTable(SheetWriter& out, const Study& study, const Residuals& residuals,
                        char decimal, const std::string& heading, int column, TableLines lines,
                        bool studentized) {
    const std::vector<TablePart> parts = partsOf(study.stgdatos.rowCount() - 1, lines);
    for (const TablePart& part : parts) {
        out.text(headingLineOf(out, part, &part == &parts.front()), column, heading);
        for (int k = 0; k < part.rowCount; ++k)
            out.text(part.firstLine + k, column,
                     residualRow(residuals, part.firstRow + k, decimal, studentized));
    }
}

} // namespace linealidad
