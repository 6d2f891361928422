#include "gui/results/TfinfoR.h"

#include "core/results/ResultCopy.h"
#include "gui/common/helpcons.h"
#include "gui/results/ResultCommand.h"
#include "gui/widgets/TextColumn.h"

#include <QLabel>
#include <QMdiArea>
#include <QScrollArea>

namespace linealidad {
namespace {

constexpr int kTop = 24;            // top of the memos
constexpr int kMinimumHeight = 300; // height of the memos when every line fits

struct Column {
    const char* name;
    int x;
    int width;
};
constexpr std::array<Column, 4> kColumns{{
    {"memoR", 0, 145},
    {"Memo1R", 144, 155},
    {"Memo2R", 294, 160},
    {"Memo3R", 448, 160},
}};

} // namespace

TfinfoR::TfinfoR(ResultHost& host)
    : ResultWindow(host, QStringLiteral("Análisis de Residuales"), QSize(645, 615), help::kAnova) {
    setObjectName(QStringLiteral("finfoR"));
    contents_ = new QWidget;
    auto* title = new QLabel(QStringLiteral("ANÁLISIS DE RESIDUALES"), contents_);
    title->move(208, 8);
    // Columns rather than text edits: a text edit tall enough for 150 observations lays
    // every one of them out each time it is resized or shown.
    for (std::size_t k = 0; k < kColumns.size(); ++k) {
        memos_[k] = fixedColumn(contents_, kColumns[k].name);
        memos_[k]->setGeometry(kColumns[k].x, kTop, kColumns[k].width, kMinimumHeight);
    }
    contents_->setFixedSize(kColumns.back().x + kColumns.back().width, kTop + kMinimumHeight);

    auto* scroller = new QScrollArea(this);
    scroller->setWidget(contents_);
    scroller->setFrameStyle(QFrame::NoFrame);
    setWidget(scroller);
}

QString TfinfoR::column(int k) const {
    return memos_[static_cast<std::size_t>(k)]->text();
}

CellRows TfinfoR::copyCells() const {
    return residualCopy(
        {linesOf(column(0)), linesOf(column(1)), linesOf(column(2)), linesOf(column(3))});
}

// The memos grow to hold every line, so no observation is cut off at the bottom.
void TfinfoR::fill(const std::array<std::vector<std::string>, 4>& columns) {
    int memoHeight = kMinimumHeight;
    for (std::size_t k = 0; k < memos_.size(); ++k) {
        QStringList lines;
        for (const std::string& line : columns[k])
            lines << QString::fromStdString(line);
        memos_[k]->setLines(std::move(lines));
        memoHeight = std::max(memoHeight, memos_[k]->heightForAllLines() + 4);
    }
    for (TextColumn* memo : memos_)
        memo->setFixedHeight(memoHeight);
    contents_->setFixedSize(contents_->width(), kTop + memoHeight);
}

TfinfoR* TfinfoR::mnuresidClick(ResultHost& host) {
    TfinfoR* window = nullptr;
    runResultCommand(host, [&](const Study& study, char decimal, ResultSet& results) {
        const std::optional<ResidualColumns> c = residualsCommand(study, decimal, results);
        if (!c) {
            reportZeroSlope(host);
            return;
        }
        window = new TfinfoR(host);
        window->fill({c->memoR, c->Memo1R, c->Memo2R, c->Memo3R});
        // Tall enough for every row, within the frame; beyond that the window scrolls.
        const int wanted = window->contents_->height() + 60;
        const int free = host.ClientArea()->viewport()->height();
        window->resize(window->width(), std::max(615, std::min(wanted, free)));
        window->showIn(host.ClientArea());
    });
    return window;
}

} // namespace linealidad
