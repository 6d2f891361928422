#include "gui/results/TfinfoA.h"

#include "core/results/ResultCopy.h"
#include "core/study/GridBlock.h"
#include "gui/common/helpcons.h"
#include "gui/results/ResultCommand.h"
#include "gui/widgets/StringGridModel.h"
#include "gui/widgets/StringGridView.h"

#include <QEvent>
#include <QFocusEvent>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QScrollArea>

namespace linealidad {
namespace {

// Runs `onExit` when the focus leaves the grid for another control of its window.
class GridExitWatcher : public QObject {
public:
    GridExitWatcher(QWidget* grid, std::function<void()> onExit)
        : QObject(grid), onExit_(std::move(onExit)) {
        grid->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                onExit_();
        }
        return false;
    }

private:
    std::function<void()> onExit_;
};

// The table and the sentences are wider than the window opens: shown, it is widened to show
// them whole (the probability column with them) as far as the frame has room, and centred
// again.
void widenToContents(QMdiSubWindow& window, const QMdiArea& area) {
    const auto* scroller = qobject_cast<const QScrollArea*>(window.widget());
    const int missing = scroller->widget()->width() - scroller->viewport()->width();
    const int room = area.viewport()->width();
    if (missing <= 0 || window.width() >= room)
        return;
    const int width = std::min(window.width() + missing, room);
    window.setGeometry((room - width) / 2, window.y(), width, window.height());
}

} // namespace

TfinfoA::TfinfoA(ResultHost& host)
    : ResultWindow(host, QStringLiteral("Análisis de la varianza"), QSize(601, 300), help::kAnova) {
    setObjectName(QStringLiteral("finfoA"));
    auto* contents = new QWidget(this);
    contents->setFixedSize(770, 201 + 245);

    model_ = new StringGridModel(cells_, 0, 0, this);
    model_->setReadOnly(true);
    stganova_ = new StringGridView(contents);
    stganova_->setObjectName(QStringLiteral("stganova"));
    stganova_->setGridModel(model_);
    stganova_->setDefaultColumnWidth(100);
    stganova_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stganova_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stganova_->setGeometry(0, 0, 770, 201);
    stganova_->setCurrentCell(0, 0);
    connect(stganova_, &StringGridView::keyPressed, this, &TfinfoA::stganovaKeyPress);
    new GridExitWatcher(stganova_, [this] { stganovaExit(); });

    memoa_ = fixedMemo(contents, "memoa");
    memoa_->setGeometry(0, 201, 770, 245);
    memoa_->setFrameStyle(QFrame::NoFrame);
    memoa_->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));

    addCloseMenu(contents);
    addCloseMenu(memoa_);
    // The table is wider than the window: the window scrolls to it, or is widened.
    auto* scroller = new QScrollArea(this);
    scroller->setWidget(contents);
    scroller->setFrameStyle(QFrame::NoFrame);
    setWidget(scroller);
}

// The variance table, as the grid shows it.
CellRows TfinfoA::copyCells() const {
    return anovaCopy(copyBlock(cells_, 0, 0, cells_.colCount() - 1, cells_.rowCount() - 1));
}

QString TfinfoA::sentences() const {
    return memoa_->toPlainText();
}

// Tab moves between cells, but leaves the grid from its last cell.
void TfinfoA::stganovaKeyPress(QChar) {
    if (stganova_->col() == cells_.colCount() - 1)
        stganova_->setTabMovesBetweenCells(stganova_->row() != cells_.rowCount() - 1);
}

void TfinfoA::stganovaExit() {
    stganova_->setTabMovesBetweenCells(true);
    startAtRow0(stganova_->col());
}

// The grid's current cell goes to the headings row without showing a heading as selected:
// only a cell the analyst moves to is.
void TfinfoA::startAtRow0(int col) {
    stganova_->setCurrentCell(col, 0);
    stganova_->selectionModel()->clearSelection();
}

void TfinfoA::fill(const VarianceText& text) {
    stganova_->setColumnWidth(0, 170);
    for (int row = 0; row < kAnovaRows; ++row)
        for (int col = 0; col < kAnovaColumns; ++col)
            cells_.setCell(col, row, text.cells[row][col]);
    model_->reload();
    startAtRow0(0);
    memoa_->setPlainText(onePerLine(text.sentences));
}

TfinfoA* TfinfoA::mnuanovaClick(ResultHost& host) {
    TfinfoA* window = nullptr;
    runResultCommand(host, [&](const Study& study, char decimal, ResultSet& results) {
        const std::optional<VarianceText> text = varianceCommand(study, decimal, results);
        if (!text) {
            reportZeroSlope(host);
            return;
        }
        window = new TfinfoA(host);
        window->fill(*text);
        window->showIn(host.ClientArea());
        widenToContents(*window, *host.ClientArea());
    });
    return window;
}

} // namespace linealidad
