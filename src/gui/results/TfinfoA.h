#pragma once

#include "core/study/StringGrid.h"
#include "gui/results/ResultWindow.h"

class QPlainTextEdit;

namespace linealidad {

class StringGridModel;
class StringGridView;
struct VarianceText;

// The analysis-of-variance window: the variance table in the grid `stganova` and the verdict
// sentences below it.
class TfinfoA : public ResultWindow {
    Q_OBJECT
public:
    explicit TfinfoA(ResultHost& host);

    const StringGrid& cells() const { return cells_; }
    QString sentences() const;

    // Shows the table and the sentences.
    void fill(const VarianceText& text);

    // The "&Análisis de la varianza" command; the window it opened, if it opened one.
    static TfinfoA* mnuanovaClick(ResultHost& host);

private:
    CellRows copyCells() const override;
    void stganovaKeyPress(QChar key);
    void stganovaExit();
    void startAtRow0(int col);

    StringGrid cells_{6, 7};
    StringGridModel* model_;
    StringGridView* stganova_;
    QPlainTextEdit* memoa_;
};

} // namespace linealidad
