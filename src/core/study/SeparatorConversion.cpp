#include "core/study/SeparatorConversion.h"

#include "core/text/NumberParse.h"

#include <algorithm>

namespace linealidad {
namespace {

// The X and Y cells of the observation rows, column by column.
template <typename Grid, typename Visit> void forEachNumber(Grid& grid, Visit visit) {
    for (int column = 1; column <= 2; ++column)
        for (int row = 1; row < grid.rowCount(); ++row)
            visit(grid.cell(column, row), column, row);
}

} // namespace

char otherDecimalSeparator(char decimal) {
    return decimal == '.' ? ',' : '.';
}

bool writtenWithOtherSeparator(const Study& study, char decimal) {
    const char other = otherDecimalSeparator(decimal);
    bool failsHere = false;
    bool convertsThere = true;
    forEachNumber(study.stgdatos, [&](const std::string& text, int, int) {
        if (text.empty())
            return;
        failsHere = failsHere || !isFloat(text, decimal);
        convertsThere = convertsThere && isFloat(text, other);
    });
    return failsHere && convertsThere;
}

int convertToSeparator(Study& study, char decimal) {
    const char other = otherDecimalSeparator(decimal);
    int changed = 0;
    StringGrid& grid = study.stgdatos;
    forEachNumber(grid, [&](const std::string& text, int column, int row) {
        if (text.find(other) == std::string::npos)
            return;
        std::string rewritten = text;
        std::replace(rewritten.begin(), rewritten.end(), other, decimal);
        grid.setCell(column, row, std::move(rewritten));
        ++changed;
    });
    return changed;
}

} // namespace linealidad
