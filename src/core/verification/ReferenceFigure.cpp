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
    case ReferenceFigure::FirstLevelCv:
        return "CV % del nivel 1";
    case ReferenceFigure::FirstLevelRelativeError:
        return "error relativo % del nivel 1";
    case ReferenceFigure::ResponseFactorCv:
        return "CV % del factor de respuesta";
    case ReferenceFigure::BartlettChiSquared:
        return "chi2 de Bartlett";
    case ReferenceFigure::BartlettP:
        return "p de Bartlett";
    case ReferenceFigure::LeveneF:
        return "F de Levene";
    case ReferenceFigure::LeveneP:
        return "p de Levene";
    case ReferenceFigure::CochranC:
        return "C de Cochran";
    case ReferenceFigure::CochranCritical:
        return "C crítico de Cochran";
    case ReferenceFigure::MandelF:
        return "F de Mandel";
    case ReferenceFigure::MandelP:
        return "p de Mandel";
    case ReferenceFigure::ShapiroWilkW:
        return "W de Shapiro-Wilk";
    case ReferenceFigure::ShapiroWilkP:
        return "p de Shapiro-Wilk";
    case ReferenceFigure::ExactRegressionP:
        return "p exacta de regresión";
    case ReferenceFigure::ExactLackOfFitP:
        return "p exacta de falta de ajuste";
    case ReferenceFigure::WeightedSlopeInverseX2:
        return "pendiente ponderada 1/x^2";
    case ReferenceFigure::WeightedErrorSumInverseX2:
        return "Σ |error relativo %| 1/x^2";
    case ReferenceFigure::MeanRecovery:
        return "recobro medio";
    case ReferenceFigure::RecoveryIntervalLower:
        return "IC inferior del recobro medio";
    }
    return {};
}

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A figure of a statistic that may not apply.
template <typename T, typename Figure> double valueIn(const Applicable<T>& a, Figure figure) {
    const T* value = valueOf(a);
    return value ? static_cast<double>(figure(*value)) : kNaN;
}

// A number that may not apply.
double valueIn(const Applicable<double>& a) {
    return valueIn(a, [](double d) { return d; });
}

double validationValue(ReferenceFigure figure, const ValidationStatistics& v) {
    const VarianceHomogeneity& h = v.homogeneity;
    const auto& inverseX2 = v.weighting.lines[2];
    switch (figure) {
    case ReferenceFigure::FirstLevelCv:
        return v.levels.empty() ? kNaN : valueIn(v.levels.front().y.variation);
    case ReferenceFigure::FirstLevelRelativeError:
        return v.levels.empty() ? kNaN : valueIn(v.levels.front().relativeError);
    case ReferenceFigure::ResponseFactorCv:
        return valueIn(v.responseFactor,
                       [](const SampleSummary& s) { return valueIn(s.variation); });
    case ReferenceFigure::BartlettChiSquared:
        return valueIn(h.bartlett, [](const BartlettTest& t) { return t.chiSquared; });
    case ReferenceFigure::BartlettP:
        return valueIn(h.bartlett, [](const BartlettTest& t) { return t.p; });
    case ReferenceFigure::LeveneF:
        return valueIn(h.levene, [](const LeveneTest& t) { return t.F; });
    case ReferenceFigure::LeveneP:
        return valueIn(h.levene, [](const LeveneTest& t) { return t.p; });
    case ReferenceFigure::CochranC:
        return valueIn(h.cochran, [](const CochranTest& t) { return t.C; });
    case ReferenceFigure::CochranCritical:
        return valueIn(h.cochran, [](const CochranTest& t) { return valueIn(t.critical); });
    case ReferenceFigure::MandelF:
        return valueIn(v.mandel, [](const MandelTest& t) { return t.F; });
    case ReferenceFigure::MandelP:
        return valueIn(v.mandel, [](const MandelTest& t) { return t.p; });
    case ReferenceFigure::ShapiroWilkW:
        return valueIn(v.normality, [](const ShapiroWilkTest& t) { return t.W; });
    case ReferenceFigure::ShapiroWilkP:
        return valueIn(v.normality, [](const ShapiroWilkTest& t) { return t.p; });
    case ReferenceFigure::ExactRegressionP:
        return valueIn(v.regression, [](const ExactProbability& e) { return e.exact; });
    case ReferenceFigure::ExactLackOfFitP:
        return valueIn(v.lackOfFit, [](const ExactProbability& e) { return e.exact; });
    case ReferenceFigure::WeightedSlopeInverseX2:
        return valueIn(inverseX2, [](const WeightedLine& l) { return l.slope; });
    case ReferenceFigure::WeightedErrorSumInverseX2:
        return valueIn(inverseX2, [](const WeightedLine& l) { return l.relativeErrorSum; });
    case ReferenceFigure::MeanRecovery:
        return v.recovery
                   ? valueIn(v.recovery->summary, [](const SampleSummary& s) { return s.mean; })
                   : kNaN;
    case ReferenceFigure::RecoveryIntervalLower:
        return v.recovery
                   ? valueIn(v.recovery->interval, [](const MeanInterval& i) { return i.lower; })
                   : kNaN;
    default:
        return kNaN;
    }
}

} // namespace

double figureValue(ReferenceFigure figure, const ResultSet& results,
                   const ValidationStatistics& validation) {
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
        return results.residuals.Estudentizado.empty() ? kNaN
                                                       : results.residuals.Estudentizado.front();
    default:
        return validationValue(figure, validation);
    }
}

int shownDigits(ReferenceFigure figure) {
    return figure == ReferenceFigure::Determination ? 10 : 6;
}

} // namespace linealidad
