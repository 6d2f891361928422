#include "gui/widgets/StringGridView.h"

#include "core/study/GridBlock.h"
#include "gui/widgets/StringGridModel.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QStyledItemDelegate>

namespace linealidad {
namespace {

// Text copied from a spreadsheet's cells: a line end or a TAB (even a single cell ends in a
// line end). A plain value goes into the cell's editor as any pasted text does.
bool clipboardHoldsCells() {
    const QString text = QGuiApplication::clipboard()->text();
    return text.contains(QLatin1Char('\t')) || text.contains(QLatin1Char('\n')) ||
           text.contains(QLatin1Char('\r'));
}

} // namespace

// The in-place editor: a frameless line edit that writes every change into the model, and
// keys handled as the grid handles them (Tab by the grid, Enter and Esc kept in the cell).
class StringGridDelegate : public QStyledItemDelegate {
public:
    explicit StringGridDelegate(StringGridView* view) : QStyledItemDelegate(view), view_(view) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        // A right click on the current cell opens the grid's pop-up menu, as on any other.
        editor->setContextMenuPolicy(Qt::NoContextMenu);
        QAbstractItemModel* model = view_->model();
        const QPersistentModelIndex cell(index);
        connect(editor, &QLineEdit::textEdited, editor, [model, cell](const QString& text) {
            if (cell.isValid())
                model->setData(cell, text, Qt::EditRole);
        });
        return editor;
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        // Escape is left to the window's shortcuts (it closes a dialog) rather than claimed for
        // cancelling the edit: a cell has nothing to cancel, its text is in the document.
        if (event->type() == QEvent::ShortcutOverride &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel))
            return false;
        // The menu bar (Alt, a menu's letter) and pop-up menus take the keyboard for a moment
        // and give it back to the widget that had it: the editor stays open to take it back, so
        // typing after a menu command (after "Guardar como...") reaches the cell.
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::MenuBarFocusReason || reason == Qt::PopupFocusReason)
                return false;
        }
        if (event->type() != QEvent::KeyPress)
            return QStyledItemDelegate::eventFilter(object, event);
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Paste) && clipboardHoldsCells()) {
            emit view_->pasteRequested();
            return true;
        }
        if (key->matches(QKeySequence::Undo) && view_->canUndoPaste()) {
            emit view_->undoRequested();
            return true;
        }
        if (key->matches(QKeySequence::Copy)) {
            const auto* editor = qobject_cast<QLineEdit*>(object);
            const bool oneCell = view_->selectionModel()->selectedIndexes().size() <= 1;
            if (oneCell && editor && editor->hasSelectedText())
                return false; // the editor copies its selected text
            view_->copySelection();
            return true;
        }
        switch (key->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false; // reaches the grid's focusNextPrevChild through the editor
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit view_->keyPressed(QLatin1Char('\r'));
            return true;
        case Qt::Key_Escape:
            emit view_->keyPressed(QChar(0x1b));
            return true;
        default:
            if (!key->text().isEmpty())
                emit view_->keyPressed(key->text().at(0));
            return QStyledItemDelegate::eventFilter(object, event);
        }
    }

private:
    StringGridView* view_;
};

StringGridView::StringGridView(QWidget* parent) : QTableView(parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(8);
    verticalHeader()->setMinimumSectionSize(8);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    setItemDelegate(new StringGridDelegate(this));
    setTabKeyNavigation(true);
    setWordWrap(false);
    setDefaultColumnWidth(90);
    setDefaultRowHeight(24);
}

void StringGridView::setGridModel(StringGridModel* model) {
    setModel(model);
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        forgetPastes();
        if (!currentIndex().isValid())
            setCurrentIndex(firstCell());
    });
    connect(model, &StringGridModel::cellEdited, this, &StringGridView::forgetPastes);
    setCurrentIndex(firstCell());
}

StringGridModel* StringGridView::gridModel() const {
    return static_cast<StringGridModel*>(model());
}

int StringGridView::col() const {
    return currentIndex().column();
}

int StringGridView::row() const {
    return currentIndex().row();
}

void StringGridView::setCurrentCell(int col, int row) {
    setCurrentIndex(model()->index(row, col));
}

bool StringGridView::holds(const QWidget* widget) const {
    return widget && (widget == this || isAncestorOf(widget));
}

// The first row is hidden and its titles show in the header instead; rows keep their numbers.
void StringGridView::keepTitlesInView() {
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setFixedHeight(verticalHeader()->defaultSectionSize());
    horizontalHeader()->show();
    setRowHidden(0, true);
    connect(model(), &QAbstractItemModel::modelReset, this, [this] { setRowHidden(0, true); });
}

void StringGridView::setDefaultColumnWidth(int width) {
    horizontalHeader()->setDefaultSectionSize(width);
}

void StringGridView::setDefaultRowHeight(int height) {
    verticalHeader()->setDefaultSectionSize(height);
}

QModelIndex StringGridView::firstCell() const {
    const StringGridModel* m = gridModel();
    return m ? m->index(m->fixedRows(), m->fixedCols()) : QModelIndex();
}

void StringGridView::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    openEditor();
}

// Back from another window (a message box, a dialog): the editor shows again.
void StringGridView::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() &&
        holds(QApplication::focusWidget()))
        openEditor();
}

void StringGridView::openEditor() {
    if (!currentIndex().isValid())
        setCurrentIndex(firstCell());
    const QModelIndex cell = currentIndex();
    if (cell.isValid() && (model()->flags(cell) & Qt::ItemIsEditable) && state() != EditingState)
        edit(cell);
}

void StringGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (holds(QApplication::focusWidget()))
        openEditor();
}

// Keys that reach the grid itself: on a cell that is not edited (an editor reports the keys it
// gets), and the movement keys the editor passes on.
void StringGridView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copySelection();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        emit pasteRequested();
        return;
    }
    if (event->matches(QKeySequence::Undo) && canUndoPaste()) {
        emit undoRequested();
        return;
    }
    const bool navigation = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    const bool edited = model() && (model()->flags(currentIndex()) & Qt::ItemIsEditable);
    if (!navigation && !edited && !event->text().isEmpty())
        emit keyPressed(event->text().at(0));
    QTableView::keyPressEvent(event);
}

void StringGridView::copySelection() {
    const QModelIndexList cells = selectionModel()->selectedIndexes();
    QRect area;
    for (const QModelIndex& cell : cells)
        area |= QRect(cell.column(), cell.row(), 1, 1);
    if (area.isEmpty() && currentIndex().isValid())
        area = QRect(col(), row(), 1, 1);
    if (area.isEmpty())
        return;
    const CellRows block =
        copyBlock(gridModel()->grid(), area.left(), area.top(), area.right(), area.bottom());
    QGuiApplication::clipboard()->setText(QString::fromStdString(joinTabSeparated(block)));
}

std::optional<std::string> StringGridView::pasteCells(const CellRows& block) {
    StringGrid& grid = gridModel()->grid();
    const int lastCol = col() + blockWidth(block) - 1;
    const int lastRow = row() + static_cast<int>(block.size()) - 1;
    CellRows before = copyBlock(grid, col(), row(), lastCol, lastRow);
    if (auto refusal = pasteBlock(grid, col(), row(), block))
        return refusal;
    pastes_.push_back({col(), row(), std::move(before)});
    gridModel()->cellsChanged(col(), row(), lastCol, lastRow);
    emit undoAvailable(true);
    return std::nullopt;
}

bool StringGridView::undoPaste() {
    if (pastes_.empty())
        return false;
    const Paste last = std::move(pastes_.back());
    pastes_.pop_back();
    pasteBlock(gridModel()->grid(), last.col, last.row, last.before);
    gridModel()->cellsChanged(last.col, last.row, last.col + blockWidth(last.before) - 1,
                              last.row + static_cast<int>(last.before.size()) - 1);
    setCurrentCell(last.col, last.row);
    if (pastes_.empty())
        emit undoAvailable(false);
    return true;
}

void StringGridView::forgetPastes() {
    if (pastes_.empty())
        return;
    pastes_.clear();
    emit undoAvailable(false);
}

bool StringGridView::focusNextPrevChild(bool next) {
    if (!tabKeyNavigation()) {
        leave(next);
        return true;
    }
    moveToNextCell(next);
    emit keyPressed(QLatin1Char('\t'));
    return true;
}

// Tab moves along the row and on to the next one; from the last cell it wraps to the first
// (and Shift+Tab the other way round), never onto a title.
void StringGridView::moveToNextCell(bool forward) {
    const StringGridModel* m = gridModel();
    const int firstCol = m->fixedCols(), lastCol = m->columnCount() - 1;
    const int firstRow = m->fixedRows(), lastRow = m->rowCount() - 1;
    if (firstCol > lastCol || firstRow > lastRow)
        return;
    int c = std::max(col(), firstCol), r = std::max(row(), firstRow);
    if (forward && ++c > lastCol) {
        c = firstCol;
        if (++r > lastRow)
            r = firstRow;
    } else if (!forward && --c < firstCol) {
        c = lastCol;
        if (--r < firstRow)
            r = lastRow;
    }
    setCurrentCell(c, r);
}

// Moves the focus to the next (or previous) control inside the window that takes it with Tab;
// the window itself is no such control.
void StringGridView::leave(bool forward) {
    QWidget* scope = this;
    while (scope->parentWidget() && !qobject_cast<QMdiSubWindow*>(scope) && !scope->isWindow())
        scope = scope->parentWidget();
    QWidget* candidate = this;
    for (;;) {
        candidate = forward ? candidate->nextInFocusChain() : candidate->previousInFocusChain();
        if (candidate == this) {
            emit leftWithNowhereToGo(forward);
            return;
        }
        const bool takesTab = (candidate->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
        if (takesTab && !holds(candidate) && candidate != scope && scope->isAncestorOf(candidate) &&
            candidate->isVisible() && candidate->isEnabled() && !candidate->focusProxy()) {
            candidate->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

} // namespace linealidad
