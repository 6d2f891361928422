#include "core/study/StringGrid.h"

#include <algorithm>
#include <stdexcept>

namespace linealidad {

namespace {
const std::string emptyText;
}

StringGrid::StringGrid(int colCount, int rowCount) : colCount_(0), rowCount_(0) {
    setColCount(colCount);
    setRowCount(rowCount);
}

void StringGrid::setColCount(int count) {
    colCount_ = std::max(count, 0);
}

void StringGrid::setRowCount(int count) {
    rowCount_ = std::max(count, 0);
}

int StringGrid::heldColCount() const {
    std::size_t widest = 0;
    for (const auto& line : cells_)
        widest = std::max(widest, line.size());
    return static_cast<int>(widest);
}

const std::string& StringGrid::cell(int col, int row) const {
    if (row < 0 || col < 0 || row >= static_cast<int>(cells_.size()))
        return emptyText;
    const auto& line = cells_[static_cast<std::size_t>(row)];
    return col < static_cast<int>(line.size()) ? line[static_cast<std::size_t>(col)] : emptyText;
}

void StringGrid::setCell(int col, int row, std::string text) {
    if (row < 0 || col < 0)
        throw std::out_of_range("StringGrid::setCell");
    if (row >= static_cast<int>(cells_.size()))
        cells_.resize(static_cast<std::size_t>(row) + 1);
    auto& line = cells_[static_cast<std::size_t>(row)];
    if (col >= static_cast<int>(line.size()))
        line.resize(static_cast<std::size_t>(col) + 1);
    line[static_cast<std::size_t>(col)] = std::move(text);
}

} // namespace linealidad
