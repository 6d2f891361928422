#pragma once

#include "core/stats/Observations.h"
#include "gui/charts/ChartWindow.h"

namespace linealidad {

// The residuals chart: the studentized residual of every observation against its X as open
// triangles, around a solid zero line with an open circle at each observation's X.
class TPlotForm1 : public ChartWindow {
    Q_OBJECT
public:
    TPlotForm1(ChartHost& host, TOptionsDlg& options, QWidget* parent = nullptr);

    // Empties the chart and fills it from the study's observations and their residual
    // analysis: curve 2 the zero line, curve 1 the studentized residuals, the axes named after
    // the study's units of X and name of Y. Only the residuals the analysis holds are drawn:
    // after a zero slope it wrote none, and what it holds may be fewer than the observations.
    void fill(const Study& study, const Observations& data, const Residuals& residuals);

    // The pop-up menu's commands.
    void Opc1Click() { optionsClick(); }
    void Imprime1Click() { printClick(); }
    void Crr1Click() { closeClick(); }
};

} // namespace linealidad
