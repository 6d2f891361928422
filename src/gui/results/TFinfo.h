#pragma once

#include "gui/results/ResultWindow.h"

#include <string>
#include <vector>

class QPlainTextEdit;

namespace linealidad {

// The inference window: slope and intercept with their confidence limits and t statistics,
// Sy/x, CV and r², and whether the line passes through the origin.
class TFinfo : public ResultWindow {
    Q_OBJECT
public:
    explicit TFinfo(ResultHost& host);

    // Adds lines after those the memo holds.
    void append(const std::vector<std::string>& lines);
    QString text() const;

    // The "&Inferencia" command; the window it opened, if it opened one.
    static TFinfo* mnuinferenciaClick(ResultHost& host);

private:
    CellRows copyCells() const override;

    QPlainTextEdit* memresult_;
};

} // namespace linealidad
