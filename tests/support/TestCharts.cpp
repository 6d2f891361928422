#include "support/TestCharts.h"

#include "core/charts/ChartFill.h"
#include "support/TestStudies.h"

namespace linealidad::test {

Study studyOfFive() {
    std::vector<std::string> x, y;
    for (int v = 80; v <= 120; v += 10) {
        x.insert(x.end(), {std::to_string(v), std::to_string(v)});
        y.insert(y.end(), {std::to_string(2 * v - 11), std::to_string(2 * v - 9)});
    }
    Study s = test::study({2, 2, 2, 2, 2}, x, y);
    s.emetodo = "Valoración";
    s.eanalista = "Ana";
    s.efecha = "08/12/2026";
    s.eadicionada = "mg";
    s.emedida = "Área";
    return s;
}

void fillRegression(ChartModel& m) {
    ResultadosRegresion fit;
    fit.Pendiente = 2;
    fit.Ordenada = -10;
    m.ClearPlot();
    fillRegressionChart(m, studyOfFive(), fit, '.');
}

} // namespace linealidad::test
