#include "gui/widgets/StringGridModel.h"

#include <QApplication>
#include <QPalette>

namespace linealidad {

StringGridModel::StringGridModel(StringGrid& grid, int fixedCols, int fixedRows, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), fixedCols_(fixedCols), fixedRows_(fixedRows) {}

int StringGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.rowCount();
}

int StringGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.colCount();
}

QVariant StringGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return QString::fromStdString(grid_.cell(index.column(), index.row()));
    case Qt::BackgroundRole:
        if (isFixed(index.column(), index.row()))
            return QApplication::palette().button();
        return {};
    case Qt::ForegroundRole: // titles are not selectable, but read as plain text
        if (isFixed(index.column(), index.row()))
            return QApplication::palette().buttonText();
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

bool StringGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || isFixed(index.column(), index.row()))
        return false;
    const std::string text = value.toString().toStdString();
    if (grid_.cell(index.column(), index.row()) == text)
        return true;
    grid_.setCell(index.column(), index.row(), text);
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    emit cellEdited(index.column(), index.row());
    return true;
}

Qt::ItemFlags StringGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Titles take no current cell: navigation and clicks pass them by.
    if (isFixed(index.column(), index.row()))
        return Qt::NoItemFlags;
    if (readOnly_)
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || fixedRows_ == 0)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return QString::fromStdString(grid_.cell(section, 0));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

void StringGridModel::reload() {
    beginResetModel();
    endResetModel();
}

// One signal per cell: a view refreshes an open editor only for a change of its cell alone.
void StringGridModel::cellsChanged(int firstCol, int firstRow, int lastCol, int lastRow) {
    for (int row = firstRow; row <= lastRow; ++row)
        for (int col = firstCol; col <= lastCol; ++col)
            emit dataChanged(index(row, col), index(row, col), {Qt::DisplayRole, Qt::EditRole});
}

} // namespace linealidad
