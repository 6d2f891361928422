#pragma once

#include "core/results/ChartCommands.h"
#include "gui/charts/ChartWindow.h"

namespace linealidad {

// The regression chart: the study's observations as open triangles and the fitted line, solid
// with an open circle on each fitted value, with the equation and the fit statistics.
class TPlotForm : public ChartWindow {
    Q_OBJECT
public:
    TPlotForm(ChartHost& host, TOptionsDlg& options, QWidget* parent = nullptr);

    // The "&Gráfica" command: the host's study fitted into the shared results,
    // drawn, then shown until closed.
    void mnugraphClick() { openFromHost(regressionChartCommand); }

    // The pop-up menu's commands.
    void OpcClick() { optionsClick(); }
    void ImprimeClick() { printClick(); }
    void GuardaImagenClick() { saveImageClick(); }
    void CrrClick() { closeClick(); }
};

} // namespace linealidad
