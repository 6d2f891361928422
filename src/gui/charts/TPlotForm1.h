#pragma once

#include "charts/VentanaGrafica.h"

namespace linealidad {

// The residuals chart: the studentized residual of every observation against its X as open
// triangles, around a solid zero line with an open circle at each observation's X.
class TPlotForm1 : public VentanaGrafica {
    Q_OBJECT
public:
    TPlotForm1(AnfitrionGrafica& anfitrion, TOptionsDlg& opciones, QWidget* parent = nullptr);

    // Empties the chart and fills it from the study and its residual analysis: curve 2 the zero
    // line, curve 1 the studentized residuals, the axes named after the study's units of X and
    // name of Y. Only the residuals the analysis holds are drawn: after a zero slope it wrote
    // none, and what it holds may be fewer than the data rows.
    void llena(const Study& estudio, const Residuales& residuales);

    // The pop-up menu's commands.
    void Opc1Click() { opcionesClick(); }
    void Imprime1Click() { imprimeClick(); }
    void GuardaImagen1Click() { guardaImagenClick(); }
    void Crr1Click() { cierraClick(); }
};

} // namespace linealidad
