#pragma once

#include "core/stats/Observations.h"
#include "gui/charts/ChartWindow.h"

namespace linealidad {

// The regression chart: the study's observations as open triangles and the fitted line, solid
// with an open circle on each fitted value, with the equation and the fit statistics.
class TPlotForm : public ChartWindow {
    Q_OBJECT
public:
    TPlotForm(ChartHost& host, TOptionsDlg& options, QWidget* parent = nullptr);

    // Empties the chart and fills it from the study's observations and its fitted line: curve 2
    // the fitted value of every observation, curve 1 the observations, the axes named after the
    // study's units of X and name of Y.
    void fill(const Study& study, const Observations& data, const ResultadosRegresion& regression);

    // The pop-up menu's commands.
    void OpcClick() { optionsClick(); }
    void ImprimeClick() { printClick(); }
    void GuardaImagenClick() { saveImageClick(); }
    void CrrClick() { closeClick(); }
};

} // namespace linealidad
