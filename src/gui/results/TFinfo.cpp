#include "gui/results/TFinfo.h"

#include "core/results/InferenceText.h"
#include "core/stats/CalculaAnova.h"
#include "core/stats/CalculaRegresion.h"
#include "gui/app/TMainForm.h"
#include "gui/common/helpcons.h"
#include "gui/results/ResultCommand.h"
#include "gui/study/TFinforma.h"

#include <QPlainTextEdit>

namespace linealidad {

TFinfo::TFinfo(StudyHost& host)
    : ResultWindow(host, QStringLiteral("Linealidad y Precisión del Sistema"), QSize(595, 342),
                   help::kInference),
      memresult_(fixedMemo(this, "memresult")) {
    setObjectName(QStringLiteral("Finfo"));
    setWidget(memresult_);
}

void TFinfo::write(const std::vector<std::string>& lines) {
    memresult_->setPlainText(onePerLine(lines));
}

QString TFinfo::text() const {
    return memresult_->toPlainText();
}

void TFinfo::mnuinferenciaClick(TMainForm& m) {
    runResultCommand(m, [&m](const Study& study, char decimal) {
        CalculaRegresion(study, decimal, m.regression, m.PendienteCero);
        if (reportZeroSlope(m))
            return;
        auto* window = new TFinfo(m);
        m.Finfo = window;
        // The lines are shown before the analysis of variance runs: if it faults, the window
        // keeps them, without the origin sentence.
        window->write(inferenceMemoWithoutAnova(decimal, m.regression));
        window->showIn(m.ClientArea());
        CalculaAnova(study, decimal, m.anova, m.PendienteCero, m.residuals);
        window->write(inferenceMemo(study, decimal, m.regression, m.anova));
    });
}

} // namespace linealidad
