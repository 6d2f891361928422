#include "gui/results/TFinfo.h"

#include "core/results/ResultCopy.h"
#include "gui/common/helpcons.h"
#include "gui/results/ResultCommand.h"

#include <QPlainTextEdit>

namespace linealidad {

TFinfo::TFinfo(ResultHost& host)
    : ResultWindow(host, QStringLiteral("Linealidad y Precisión del Sistema"), QSize(595, 342),
                   help::kInference),
      memresult_(fixedMemo(this, "memresult")) {
    setObjectName(QStringLiteral("Finfo"));
    setWidget(memresult_);
}

void TFinfo::append(const std::vector<std::string>& lines) {
    memresult_->appendPlainText(onePerLine(lines));
}

QString TFinfo::text() const {
    return memresult_->toPlainText();
}

CellRows TFinfo::copyCells() const {
    return inferenceCopy(linesOf(text()));
}

// The window opens with the lines before the analysis of variance runs: if it faults, the
// window keeps them, without the origin sentence.
TFinfo* TFinfo::mnuinferenciaClick(ResultHost& host) {
    TFinfo* window = nullptr;
    runResultCommand(host, [&](const Study& study, char decimal, ResultSet& results) {
        if (!inferenceCommand(study, decimal, results, windowSink(host, window)))
            reportZeroSlope(host);
    });
    return window;
}

} // namespace linealidad
