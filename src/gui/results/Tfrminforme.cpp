#include "gui/results/Tfrminforme.h"

#include "gui/common/helpcons.h"
#include "gui/results/ResultCommand.h"

#include <QEvent>
#include <QFontDatabase>
#include <QPlainTextEdit>

namespace linealidad {

Tfrminforme::Tfrminforme(ResultHost& host)
    : ResultWindow(host, QStringLiteral("Informe"), QSize(435, 300), help::kReport),
      mminforme_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("frminforme"));
    mminforme_->setObjectName(QStringLiteral("mminforme"));
    mminforme_->setReadOnly(true);
    mminforme_->setLineWrapMode(QPlainTextEdit::NoWrap);
    mminforme_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mminforme_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mminforme_->setContextMenuPolicy(Qt::NoContextMenu);
    // The report lines are padded with blanks into columns: a fixed-pitch font keeps them.
    mminforme_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    mminforme_->installEventFilter(this);
    mminforme_->viewport()->installEventFilter(this);
    setWidget(mminforme_);
}

void Tfrminforme::append(const std::vector<std::string>& lines) {
    mminforme_->appendPlainText(onePerLine(lines));
    mminforme_->moveCursor(QTextCursor::Start);
}

QString Tfrminforme::text() const {
    return mminforme_->toPlainText();
}

// A key or a mouse button in the text closes the window; the scroll bars are outside the
// text, so scrolling never does.
bool Tfrminforme::eventFilter(QObject* watched, QEvent* event) {
    const bool key = watched == mminforme_ && event->type() == QEvent::KeyPress;
    const bool button =
        watched == mminforme_->viewport() &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick);
    if (key || button) {
        close();
        return true;
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
