#pragma once

#include "core/study/StringGrid.h"

#include <QAbstractTableModel>

namespace linealidad {

// A Qt model over a grid of texts of the document, so the grid view edits the document
// itself. Fixed rows and columns hold titles: shown shaded, never edited.
class StringGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    StringGridModel(StringGrid& grid, int fixedCols, int fixedRows, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The first row's titles, for a view that shows them in a header that does not scroll.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    bool isFixed(int col, int row) const { return col < fixedCols_ || row < fixedRows_; }
    int fixedCols() const { return fixedCols_; }
    int fixedRows() const { return fixedRows_; }
    StringGrid& grid() { return grid_; }

    // A read-only grid shows its cells and takes a current cell, but is never edited.
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }

    // The document changed outside the model (counts or cells): show it again.
    void reload();
    // Cells of the rectangle changed outside the model: each shows its new text, an open
    // editor on one of them too.
    void cellsChanged(int firstCol, int firstRow, int lastCol, int lastRow);

signals:
    // The user changed the text of a cell.
    void cellEdited(int col, int row);

private:
    StringGrid& grid_;
    int fixedCols_;
    int fixedRows_;
    bool readOnly_ = false;
};

} // namespace linealidad
