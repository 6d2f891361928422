#pragma once

#include <string>
#include <vector>

namespace linealidad {

// A grid of texts whose column and row counts are kept apart from its cells: shrinking the
// counts hides cells without losing their text, and growing them shows it again. Cells that
// were never written read as empty.
class StringGrid {
public:
    StringGrid(int colCount, int rowCount);

    int colCount() const { return colCount_; }
    int rowCount() const { return rowCount_; }
    void setColCount(int count);
    void setRowCount(int count);

    // The columns and rows that hold written cells, visible or hidden by the counts: every
    // cell outside them reads as empty.
    int heldColCount() const;
    int heldRowCount() const { return static_cast<int>(cells_.size()); }

    const std::string& cell(int col, int row) const;
    void setCell(int col, int row, std::string text);

private:
    int colCount_;
    int rowCount_;
    std::vector<std::vector<std::string>> cells_; // cells_[row][col], grown on demand
};

} // namespace linealidad
