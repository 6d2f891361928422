#include "core/study/GridBlock.h"

#include "core/text/Errors.h"
#include "core/text/NumberParse.h"

#include <algorithm>

namespace linealidad {
namespace {

std::string counted(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + ' ' + (n == 1 ? one : many);
}

std::string rowsAndColumns(std::size_t rows, std::size_t cols) {
    return counted(rows, "fila", "filas") + " y " + counted(cols, "columna", "columnas");
}

} // namespace

int blockWidth(const CellRows& block) {
    std::size_t width = 0;
    for (const auto& line : block)
        width = std::max(width, line.size());
    return static_cast<int>(width);
}

std::optional<std::string> pasteBlock(StringGrid& grid, int col, int row, const CellRows& block) {
    const auto rowsFree = static_cast<std::size_t>(std::max(grid.rowCount() - row, 0));
    const auto colsFree = static_cast<std::size_t>(std::max(grid.colCount() - col, 0));
    const auto width = static_cast<std::size_t>(blockWidth(block));
    if (block.size() > rowsFree || width > colsFree)
        return "No se pegó nada: el bloque copiado tiene " + rowsAndColumns(block.size(), width) +
               ", y desde la celda actual caben " + rowsAndColumns(rowsFree, colsFree) + ".";
    for (std::size_t r = 0; r < block.size(); ++r)
        for (std::size_t c = 0; c < block[r].size(); ++c)
            grid.setCell(col + static_cast<int>(c), row + static_cast<int>(r), block[r][c]);
    return std::nullopt;
}

bool startsWithHeading(const CellRows& block) {
    if (block.size() < 2)
        return false;
    const auto& first = block.front();
    const bool hasText = std::ranges::any_of(first, [](const std::string& cell) {
        return cell.find_first_not_of(" \t") != std::string::npos;
    });
    const bool hasNumber = std::ranges::any_of(
        first, [](const std::string& cell) { return isFloat(cell, '.') || isFloat(cell, ','); });
    return hasText && !hasNumber;
}

std::string headingSkippedNote(const std::vector<std::string>& heading) {
    std::string names;
    for (const std::string& cell : heading) {
        if (cell.find_first_not_of(" \t") == std::string::npos)
            continue;
        names += (names.empty() ? "" : ", ") + ("«" + quotedExcerpt(cell) + "»");
    }
    return "Encabezado omitido al pegar: " + names;
}

CellRows copyBlock(const StringGrid& grid, int firstCol, int firstRow, int lastCol, int lastRow) {
    CellRows block;
    for (int r = firstRow; r <= lastRow; ++r) {
        block.emplace_back();
        for (int c = firstCol; c <= lastCol; ++c)
            block.back().push_back(grid.cell(c, r));
    }
    return block;
}

} // namespace linealidad
