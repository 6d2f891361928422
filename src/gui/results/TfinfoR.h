#pragma once

#include "gui/results/ResultWindow.h"

#include <array>

namespace linealidad {

class TextColumn;

// The residuals window: observation, predicted Y, residual and studentized residual of every
// observation, in four side-by-side columns. The window takes no input but scrolling, and it
// is tall enough (or scrolls as a whole) to show every observation.
class TfinfoR : public ResultWindow {
    Q_OBJECT
public:
    explicit TfinfoR(ResultHost& host);

    // The text of memo k: 0 memoR, 1 Memo1R, 2 Memo2R, 3 Memo3R.
    QString column(int k) const;

    // The "Análisis de Residuales" command; the window it opened, if it opened one.
    static TfinfoR* mnuresidClick(ResultHost& host);

private:
    CellRows copyCells() const override;
    void fill(const std::array<std::vector<std::string>, 4>& columns);

    QWidget* contents_;
    std::array<TextColumn*, 4> memos_;
};

} // namespace linealidad
