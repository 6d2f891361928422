#include "support/TestCharts.h"

#include "core/charts/ChartFill.h"
#include "core/charts/PlotOptions.h"
#include "core/stats/CalculaAnova.h"
#include "core/stats/CalculaRegresion.h"
#include "core/stats/StudyObservations.h"
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

Study studyOf150() {
    std::vector<std::string> x, y;
    for (int level = 1; level <= 10; ++level)
        for (int r = 0; r < 15; ++r) {
            const int i = 15 * (level - 1) + r;
            x.push_back(std::to_string(10 * level));
            y.push_back(std::to_string(20 * level + 1) + "." + std::to_string((i * 37) % 10));
        }
    return described(study(std::vector<int>(10, 15), x, y), "Valoración de principio activo",
                     "Laboratorio de Control de Calidad", "08/12/2026", "mg/mL", "Área del pico");
}

Plot filledChart(PlotKind kind, const Study& study) {
    Plot plot(kind);
    const Observations data = readObservations(study, '.');
    ResultadosRegresion fit;
    bool zeroSlope = false;
    CalculaRegresion(data, fit, zeroSlope);
    if (kind == PlotKind::Regression) {
        fillRegressionChart(plot.model(), study, data, fit);
    } else {
        ResultadosAnova anova;
        Residuals residuals;
        CalculaAnova(data, anova, zeroSlope, residuals);
        fillResidualsChart(plot.model(), study, data, residuals);
    }
    return plot;
}

void fillRegression(ChartModel& m) {
    ResultadosRegresion fit;
    fit.Pendiente = 2;
    fit.Ordenada = -10;
    m.ClearPlot();
    const Study study = studyOfFive();
    fillRegressionChart(m, study, readObservations(study, '.'), fit);
}

RegressionChartOnCanvas::RegressionChartOnCanvas(char decimal) : decimal(decimal) {
    fillRegression(plot.model());
}

void RegressionChartOnCanvas::draw() {
    canvas.clear();
    plot.RedrawPlot(canvas, width, height, study, decimal);
}

void RegressionChartOnCanvas::typeXLimits(const std::string& min, const std::string& max) {
    PlotOptions o = optionsFromChart(plot.model(), decimal);
    o.XMinEdit = min;
    o.XMaxEdit = max;
    applyOptions(plot.model(), o, decimal);
}

} // namespace linealidad::test
