#pragma once

#include "results/VentanaResultado.h"

#include <array>

class QPlainTextEdit;

namespace linealidad {

class TMainForm;

// The residuals window: observation, predicted Y, residual and studentized residual of every
// observation, in four side-by-side columns. The window takes no input but scrolling, and it
// is tall enough (or scrolls as a whole) to show every observation.
class TfinfoR : public VentanaResultado {
    Q_OBJECT
public:
    explicit TfinfoR(AnfitrionEstudio& anfitrion);

    // The text of memo k: 0 memoR, 1 Memo1R, 2 Memo2R, 3 Memo3R.
    QString columna(int k) const;

    // The "Análisis de Residuales" command.
    static void mnuresidClick(TMainForm& principal);

private:
    void llena(const std::array<std::vector<std::string>, 4>& columnas);

    QWidget* contenido_;
    std::array<QPlainTextEdit*, 4> memos_;
};

} // namespace linealidad
