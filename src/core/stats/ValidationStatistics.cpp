#include "core/stats/ValidationStatistics.h"

#include "core/stats/ExactDistributions.h"
#include "core/stats/ResponseFactor.h"

#include <algorithm>
#include <cmath>

namespace linealidad {
namespace {

Applicable<ExactProbability> exactProbability(double F, double df1, double df2, double classic) {
    const ExactProbability e{F, df1, df2, fUpperTail(F, df1, df2), classic};
    if (!std::isfinite(e.exact))
        return NotApplicable{"no se puede calcular"};
    return e;
}

std::vector<double> studyResiduals(const Residuals& residuals, std::size_t n) {
    const auto end = residuals.Residual.begin() +
                     static_cast<std::ptrdiff_t>(std::min(n, residuals.Residual.size()));
    return {residuals.Residual.begin(), end};
}

} // namespace

ValidationStatistics validationStatistics(const std::vector<Level>& levels,
                                          const ResultadosRegresion& fit,
                                          const ResultadosAnova& anova, const Residuals& residuals,
                                          bool recovered) {
    const OffsetObservations offsets(levels);
    ValidationStatistics s;
    s.levels = levelPrecision(levels, offsets, fit.Pendiente);
    s.responseFactor = responseFactor(levels);
    s.homogeneity = varianceHomogeneity(levels);
    s.mandel = mandelTest(offsets);
    s.normality = shapiroWilk(studyResiduals(residuals, offsets.u().size()));
    s.regression = exactProbability(anova.FRegresion, 1, anova.GLError, anova.PRegresion);
    if (anova.GLErrorPuro == 0)
        s.lackOfFit = NotApplicable{"sin error puro"};
    else
        s.lackOfFit = exactProbability(anova.FFaltaAjuste, anova.GLFaltaAjuste, anova.GLErrorPuro,
                                       anova.PFaltaAjuste);
    s.weighting = weightedLines(offsets);
    if (recovered)
        s.recovery = recoveryStatistics(levels, fit);
    return s;
}

} // namespace linealidad
