#pragma once

#include "charts/VentanaGrafica.h"

namespace linealidad {

// The regression chart: the study's observations as open triangles and the fitted line, solid
// with an open circle on each fitted value, with the equation and the fit statistics.
class TPlotForm : public VentanaGrafica {
    Q_OBJECT
public:
    TPlotForm(AnfitrionGrafica& anfitrion, TOptionsDlg& opciones, QWidget* parent = nullptr);

    // Empties the chart and fills it from the study and its fitted line: curve 2 the fitted
    // value of every data row, curve 1 the observations, the axes named after the study's
    // units of X and name of Y.
    void llena(const Study& estudio, const ResultadosRegresion& regresion);

    // The pop-up menu's commands.
    void OpcClick() { opcionesClick(); }
    void ImprimeClick() { imprimeClick(); }
    void GuardaImagenClick() { guardaImagenClick(); }
    void CrrClick() { cierraClick(); }
};

} // namespace linealidad
