#include "support/TestCharts.h"

#include "core/charts/ChartFill.h"
#include "core/charts/PlotOptions.h"
#include "support/TestStudies.h"

namespace linealidad::test {

Study studyOfFive() {
    std::vector<std::string> x, y;
    for (int v = 80; v <= 120; v += 10) {
        x.insert(x.end(), {std::to_string(v), std::to_string(v)});
        y.insert(y.end(), {std::to_string(2 * v - 11), std::to_string(2 * v - 9)});
    }
    return described(study({2, 2, 2, 2, 2}, x, y), "Valoración", "Ana", "08/12/2026", "mg", "Área");
}

void fillRegression(ChartModel& m) {
    ResultadosRegresion fit;
    fit.Pendiente = 2;
    fit.Ordenada = -10;
    m.ClearPlot();
    fillRegressionChart(m, studyOfFive(), fit, '.');
}

RegressionChartOnCanvas::RegressionChartOnCanvas(char decimal) : decimal(decimal) {
    fillRegression(plot.model());
}

void RegressionChartOnCanvas::draw() {
    canvas.clear();
    plot.RedrawPlot(canvas, 629, 330, study, decimal);
}

void RegressionChartOnCanvas::typeXLimits(const std::string& min, const std::string& max) {
    PlotOptions o = optionsFromChart(plot.model(), decimal);
    o.XMinEdit = min;
    o.XMaxEdit = max;
    applyOptions(plot.model(), o, decimal);
}

} // namespace linealidad::test
