#pragma once

#include "gui/results/ResultWindow.h"

#include <string>
#include <vector>

class QPlainTextEdit;

namespace linealidad {

class TMainForm;

// The inference window: slope and intercept with their confidence limits and t statistics,
// Sy/x, CV and r², and whether the line passes through the origin.
class TFinfo : public ResultWindow {
    Q_OBJECT
public:
    explicit TFinfo(StudyHost& host);

    void write(const std::vector<std::string>& lines);
    QString text() const;

    // The "&Inferencia" command.
    static void mnuinferenciaClick(TMainForm& mainWindow);

private:
    QPlainTextEdit* memresult_;
};

} // namespace linealidad
