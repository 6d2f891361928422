#include "gui/results/Tfrminforme.h"

#include "gui/common/helpcons.h"
#include "gui/results/ResultCommand.h"

#include <QClipboard>
#include <QEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QStringTokenizer>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace linealidad {
namespace {

// A key that reads a text rather than answering the window: a modifier on its own, a movement
// (with Shift it selects), Ctrl+A and Ctrl+C.
bool readsText(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return key.matches(QKeySequence::Copy) || key.matches(QKeySequence::SelectAll);
    }
}

} // namespace

Tfrminforme::Tfrminforme(ResultHost& host)
    : ResultWindow(host, QStringLiteral("Informe"), QSize(435, 300), help::kReport),
      mminforme_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("frminforme"));
    mminforme_->setObjectName(QStringLiteral("mminforme"));
    mminforme_->setReadOnly(true);
    // Read with the keyboard and selected with the mouse: its own menu copies.
    mminforme_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    mminforme_->setLineWrapMode(QPlainTextEdit::NoWrap);
    mminforme_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mminforme_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The report lines are padded with blanks into columns: a fixed-pitch font keeps them.
    mminforme_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    mminforme_->installEventFilter(this);
    setWidget(mminforme_);
}

void Tfrminforme::append(const std::vector<std::string>& lines) {
    const QString text = onePerLine(lines);
    mminforme_->appendPlainText(text);
    mminforme_->moveCursor(QTextCursor::Start);
    for (QStringView line : QStringTokenizer(text, u'\n'))
        longest_ = std::max(longest_, lineWidth(line));
    fitToLongestLine();
}

// In the report's fixed-pitch font a line is as wide as the sum of its characters' advances,
// each measured once; shaping every line of a long report took longer than computing it.
int Tfrminforme::lineWidth(QStringView line) {
    qreal width = 0;
    for (QChar c : line) {
        auto advance = advances_.constFind(c);
        if (advance == advances_.cend())
            advance = advances_.insert(c, QFontMetricsF(mminforme_->font()).horizontalAdvance(c));
        width += *advance;
    }
    return static_cast<int>(std::ceil(width));
}

QString Tfrminforme::text() const {
    return mminforme_->toPlainText();
}

// As wide as the longest line with the text's margins, frame and scroll bar, as far as the
// frame has room; a window already shown is centred again.
void Tfrminforme::fitToLongestLine() {
    const int margins = 2 * static_cast<int>(std::ceil(mminforme_->document()->documentMargin())) +
                        mminforme_->cursorWidth() + 2 * mminforme_->frameWidth() +
                        style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, mminforme_) +
                        2 * style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    int wanted = std::max(width(), longest_ + margins);
    if (mdiArea())
        wanted = std::min(wanted, mdiArea()->viewport()->width());
    if (wanted == width())
        return;
    resize(wanted, height());
    if (isVisible() && mdiArea())
        move(std::max(0, (mdiArea()->viewport()->width() - wanted) / 2), y());
}

void Tfrminforme::copy() const {
    if (mminforme_->textCursor().hasSelection())
        mminforme_->copy();
    else
        QGuiApplication::clipboard()->setText(mminforme_->toPlainText());
}

// Any key that does not read the text closes the window, as the report always did; the
// mouse selects, and its menu copies.
bool Tfrminforme::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mminforme_ && event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (key.matches(QKeySequence::Copy)) {
            copy();
            return true;
        }
        if (!readsText(key)) {
            close();
            return true;
        }
    }
    return ResultWindow::eventFilter(watched, event);
}

// The window opens with the first part before the analysis of variance runs: if that faults,
// the window keeps it.
Tfrminforme* Tfrminforme::mnuinformeClick(ResultHost& host) {
    Tfrminforme* window = nullptr;
    runResultCommand(host, [&](const Study& study, char decimal, ResultSet& results) {
        if (!reportCommand(study, decimal, results, windowSink(host, window)))
            reportZeroSlope(host);
    });
    return window;
}

} // namespace linealidad
