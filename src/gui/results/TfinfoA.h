#pragma once

#include "core/study/StringGrid.h"
#include "gui/results/ResultWindow.h"

class QPlainTextEdit;

namespace linealidad {

class StringGridModel;
class StringGridView;
class TMainForm;

// The analysis-of-variance window: the variance table in the grid `stganova` and the verdict
// sentences below it.
class TfinfoA : public ResultWindow {
    Q_OBJECT
public:
    explicit TfinfoA(StudyHost& host);

    const StringGrid& cells() const { return cells_; }
    QString sentences() const;

    // The "&Análisis de la varianza" command.
    static void mnuanovaClick(TMainForm& mainWindow);

private:
    void stganovaKeyPress(QChar key);
    void stganovaExit();

    StringGrid cells_{6, 7};
    StringGridModel* model_;
    StringGridView* stganova_;
    QPlainTextEdit* memoa_;
};

} // namespace linealidad
