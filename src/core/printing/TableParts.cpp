#include "core/printing/TableParts.h"

#include <algorithm>

namespace linealidad {

std::vector<TablePart> tableParts(int rows, int firstLine, int continuedLine, int lastLine) {
    std::vector<TablePart> parts;
    int row = 1;
    int line = firstLine;
    do {
        // A sheet holds at least one row, whatever the lines given.
        const int room = std::max(1, lastLine - line + 1);
        const int count = std::clamp(rows - row + 1, 0, room);
        parts.push_back({row, count, line});
        row += count;
        line = continuedLine;
    } while (row <= rows);
    return parts;
}

} // namespace linealidad
