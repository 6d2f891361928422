#pragma once

#include "results/VentanaResultado.h"
#include "study/StringGrid.h"

class QPlainTextEdit;

namespace linealidad {

class StringGridModel;
class StringGridView;
class TMainForm;

// The analysis-of-variance window: the variance table in the grid `stganova` and the verdict
// sentences below it.
class TfinfoA : public VentanaResultado {
    Q_OBJECT
public:
    explicit TfinfoA(AnfitrionEstudio& anfitrion);

    const StringGrid& celdas() const { return celdas_; }
    QString oraciones() const;

    // The "&Análisis de la varianza" command.
    static void mnuanovaClick(TMainForm& principal);

private:
    void stganovaKeyPress(QChar tecla);
    void stganovaExit();

    StringGrid celdas_{6, 7};
    StringGridModel* modelo_;
    StringGridView* stganova_;
    QPlainTextEdit* memoa_;
};

} // namespace linealidad
