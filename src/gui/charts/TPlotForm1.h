#pragma once

#include "core/results/ChartCommands.h"
#include "gui/charts/ChartWindow.h"

namespace linealidad {

// The residuals chart: the studentized residual of every observation against its X as open
// triangles, around a solid zero line with an open circle at each observation's X.
class TPlotForm1 : public ChartWindow {
    Q_OBJECT
public:
    TPlotForm1(ChartHost& host, TOptionsDlg& options, QWidget* parent = nullptr);

    // The "Residuales (Gráfica)" command: the host's study fitted and its residuals analysed
    // into the shared results, drawn, then shown until closed.
    void mnugraphRClick() { openFromHost(residualsChartCommand); }

    // The pop-up menu's commands.
    void Opc1Click() { optionsClick(); }
    void Imprime1Click() { printClick(); }
    void Crr1Click() { closeClick(); }
};

} // namespace linealidad
