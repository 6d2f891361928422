#include "gui/results/Tfrminforme.h"

#include "core/results/ReportText.h"
#include "core/stats/CalculaAnova.h"
#include "core/stats/CalculaRegresion.h"
#include "gui/app/TMainForm.h"
#include "gui/common/helpcons.h"
#include "gui/results/ResultCommand.h"
#include "gui/study/TFinforma.h"

#include <QEvent>
#include <QFontDatabase>
#include <QPlainTextEdit>

namespace linealidad {

Tfrminforme::Tfrminforme(StudyHost& host)
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
    for (const std::string& line : lines)
        mminforme_->appendPlainText(QString::fromStdString(line));
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

void Tfrminforme::mnuinformeClick(TMainForm& m) {
    runResultCommand(m, [&m](const Study& study, char decimal) {
        CalculaRegresion(study, decimal, m.regression, m.PendienteCero);
        if (reportZeroSlope(m))
            return;
        auto* window = new Tfrminforme(m);
        m.frminforme = window;
        // The first part is in the window before the analysis of variance runs: if that
        // faults, the window keeps it.
        window->append(reportStudyAndInference(study, decimal, m.regression));
        window->showIn(m.ClientArea());
        CalculaAnova(study, decimal, m.anova, m.PendienteCero, m.residuals);
        window->append(
            reportVarianceAndResiduals(study, decimal, m.regression, m.anova, m.residuals));
    });
}

} // namespace linealidad
