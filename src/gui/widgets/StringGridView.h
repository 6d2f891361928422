#pragma once

#include "core/text/TabSeparated.h"

#include <QTableView>

#include <optional>
#include <string>
#include <vector>

namespace linealidad {

class StringGridModel;

// A grid of texts that behaves as the program's capture grids: titles in fixed rows and
// columns, the editor always shown on the current cell while the grid has the focus, every
// change written into the document at once, and Tab either moving between cells (wrapping
// from the last cell to the first) or leaving the grid, as the window chooses. Ctrl+C copies
// the selected cells as a spreadsheet takes them (the editor's own selected text when one cell
// is selected); Ctrl+V of a block of cells asks the window to paste it, and Ctrl+Z to take the
// last paste back.
class StringGridView : public QTableView {
    Q_OBJECT
public:
    explicit StringGridView(QWidget* parent = nullptr);

    void setGridModel(StringGridModel* model);
    StringGridModel* gridModel() const;

    // The current cell (column, row), as the grid's titles count them.
    int col() const;
    int row() const;
    void setCurrentCell(int col, int row);

    // Tab moves between cells (the normal option set) or leaves the grid (the last-cell set).
    bool tabMovesBetweenCells() const { return tabKeyNavigation(); }
    void setTabMovesBetweenCells(bool moves) { setTabKeyNavigation(moves); }

    // The grid or a widget inside it (its editor) holds `widget`.
    bool holds(const QWidget* widget) const;

    // Copies the selected cells (at least the current one) to the clipboard, TAB between cells
    // and one line per row.
    void copySelection();

    // Pastes a block of cells with its first cell at the current cell, all or nothing, as one
    // step that undoPaste() takes back whole. Returns the message when the block does not fit.
    std::optional<std::string> pasteCells(const CellRows& block);
    // Takes back the last paste not taken back yet; false when there is none. Typing in the
    // grid (or the grid's reshaping) forgets the pastes before it, so taking one back never
    // undoes what was typed after it.
    bool undoPaste();
    bool canUndoPaste() const { return !pastes_.empty(); }

    // The titles of the first row stay in view while the rows scroll (a grid of many rows).
    void keepTitlesInView();

    void setDefaultColumnWidth(int width);
    void setDefaultRowHeight(int height);

signals:
    // A character typed in the grid: after Tab has moved the current cell, before any other
    // character reaches the cell.
    void keyPressed(QChar key);
    // Ctrl+V with a block of cells (more than one value) on the clipboard.
    void pasteRequested();
    // Ctrl+Z while a paste can be taken back.
    void undoRequested();
    // A paste can be taken back, or no longer.
    void undoAvailable(bool available);
    // Tab (forward) or Shift+Tab left the grid, and no control of what is shown around it takes
    // the focus (the grid is alone on its page): the window moves it on.
    void leftWithNowhereToGo(bool forward);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    friend class StringGridDelegate;
    void openEditor();
    void moveToNextCell(bool forward);
    void leave(bool forward);
    QModelIndex firstCell() const;
    void forgetPastes();

    // The cells a paste replaced, with the cell where it began.
    struct Paste {
        int col;
        int row;
        CellRows before;
    };
    std::vector<Paste> pastes_;
};

} // namespace linealidad
