#include "core/verification/ReferenceFigure.h"

#include <limits>

namespace linealidad {

std::string figureName(ReferenceFigure figure) {
    switch (figure) {
    case ReferenceFigure::Slope:
        return "pendiente";
    case ReferenceFigure::Intercept:
        return "ordenada al origen";
    case ReferenceFigure::SlopeUpperLimit:
        return "límite superior de la pendiente";
    case ReferenceFigure::SlopeLowerLimit:
        return "límite inferior de la pendiente";
    case ReferenceFigure::SlopeT:
        return "t cal de la pendiente";
    case ReferenceFigure::InterceptUpperLimit:
        return "límite superior de la ordenada";
    case ReferenceFigure::InterceptLowerLimit:
        return "límite inferior de la ordenada";
    case ReferenceFigure::InterceptT:
        return "t cal de la ordenada";
    case ReferenceFigure::ResidualDeviation:
        return "Sy/x";
    case ReferenceFigure::VariationCoefficient:
        return "CV";
    case ReferenceFigure::Determination:
        return "r²";
    case ReferenceFigure::RegressionSumOfSquares:
        return "SC de regresión";
    case ReferenceFigure::ResidualSumOfSquares:
        return "SC del error";
    case ReferenceFigure::PureErrorSumOfSquares:
        return "SC del error puro";
    case ReferenceFigure::LackOfFitSumOfSquares:
        return "SC de falta de ajuste";
    case ReferenceFigure::RegressionF:
        return "fcal de regresión";
    case ReferenceFigure::RegressionProbability:
        return "Pfcal de regresión";
    case ReferenceFigure::LackOfFitProbability:
        return "Pfcal de falta de ajuste";
    case ReferenceFigure::FirstStudentizedResidual:
        return "residuo estudentizado 1";
    }
    return {};
}

double figureValue(ReferenceFigure figure, const ResultSet& results) {
    const ResultadosRegresion& R = results.regression;
    const ResultadosAnova& A = results.anova;
    switch (figure) {
    case ReferenceFigure::Slope:
        return R.Pendiente;
    case ReferenceFigure::Intercept:
        return R.Ordenada;
    case ReferenceFigure::SlopeUpperLimit:
        return R.LimSupPendiente;
    case ReferenceFigure::SlopeLowerLimit:
        return R.LimInfPendiente;
    case ReferenceFigure::SlopeT:
        return R.TcalPendiente;
    case ReferenceFigure::InterceptUpperLimit:
        return R.LimSupOrdenada;
    case ReferenceFigure::InterceptLowerLimit:
        return R.LimInfOrdenada;
    case ReferenceFigure::InterceptT:
        return R.TcalOrdenada;
    case ReferenceFigure::ResidualDeviation:
        return R.DesvRegresion;
    case ReferenceFigure::VariationCoefficient:
        return R.CoefVariacion;
    case ReferenceFigure::Determination:
        return R.R2;
    case ReferenceFigure::RegressionSumOfSquares:
        return A.SCRegresion;
    case ReferenceFigure::ResidualSumOfSquares:
        return A.SCError;
    case ReferenceFigure::PureErrorSumOfSquares:
        return A.SCErrorPuro;
    case ReferenceFigure::LackOfFitSumOfSquares:
        return A.SCFaltaAjuste;
    case ReferenceFigure::RegressionF:
        return A.FRegresion;
    case ReferenceFigure::RegressionProbability:
        return A.PRegresion;
    case ReferenceFigure::LackOfFitProbability:
        return A.PFaltaAjuste;
    case ReferenceFigure::FirstStudentizedResidual:
        return results.residuals.Estudentizado.empty() ? std::numeric_limits<double>::quiet_NaN()
                                                       : results.residuals.Estudentizado.front();
    }
    return std::numeric_limits<double>::quiet_NaN();
}

int shownDigits(ReferenceFigure figure) {
    return figure == ReferenceFigure::Determination ? 10 : 6;
}

} // namespace linealidad
