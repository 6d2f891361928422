#include "core/charts/PlotTexts.h"

#include "core/text/NumberFormat.h"

namespace linealidad {

std::vector<std::string> headerLines(PlotKind kind, const std::string& title) {
    std::vector<std::string> lines{"Orvella, S.A.P.I. de C.V.", "Control de Calidad",
                                   "Linealidad y Precisión del Sistema de Medición"};
    if (kind == PlotKind::Residuals)
        lines.emplace_back("Análisis de Residuales");
    if (!title.empty())
        lines.push_back(title);
    return lines;
}

std::vector<std::string> studyBlockLines(PlotKind kind, const Study& study) {
    // The signature lines are two underscores shorter on the residuals chart.
    const std::string signature(kind == PlotKind::Regression ? 22 : 20, '_');
    return {"Nombre del Método = " + study.emetodo, "Analista = " + study.eanalista,
            "Fecha = " + study.efecha, "Realizó " + signature + " ", "Revisó " + signature + " "};
}

std::vector<std::string> statisticsLines(const ResultadosRegresion& R, char decimal) {
    // A negative intercept keeps its sign inside the parentheses: Y = 2(X) + (-0.5).
    return {"Y = " + formatGeneral(R.Pendiente, 6, decimal) + "(X) + (" +
                formatGeneral(R.Ordenada, 6, decimal) + ")",
            "Sx/y = " + formatGeneral(R.DesvRegresion, 6, decimal),
            "CVx/y = " + formatGeneral(R.CoefVariacion, 3, decimal),
            "(r^2) = " + formatGeneral(R.R2, 6, decimal)};
}

} // namespace linealidad
