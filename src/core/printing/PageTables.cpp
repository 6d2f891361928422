#include "core/printing/PageTables.h"

#include "core/printing/PageTexts.h"
#include "core/printing/TableParts.h"
#include "core/text/NumberParse.h"

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

} // namespace

void printLevelsGrid(SheetWriter& out, const Study& study, int firstLine, GridColumns columns) {
    const int N = parseInteger(study.eniveles);
    for (int c = 0; c <= N; ++c)
        for (int row = 0; row < kLevelsGridRows; ++row)
            out.text(firstLine + row, columns.at(c), study.stgniveles.cell(c, row));
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
