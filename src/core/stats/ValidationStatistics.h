#pragma once

#include "core/stats/LevelPrecision.h"
#include "core/stats/MandelTest.h"
#include "core/stats/NotApplicable.h"
#include "core/stats/RecoveryStatistics.h"
#include "core/stats/Results.h"
#include "core/stats/SampleSummary.h"
#include "core/stats/ShapiroWilk.h"
#include "core/stats/StudyLevels.h"
#include "core/stats/VarianceHomogeneity.h"
#include "core/stats/WeightedLines.h"

#include <optional>
#include <vector>

namespace linealidad {

// An F ratio of the variance table with its exact upper-tail probability and the probability
// the table shows from the program's approximation (ProbabilidadF).
struct ExactProbability {
    double F = 0;
    double df1 = 0;
    double df2 = 0;
    double exact = 0;
    double classic = 0;
};

// What a method-validation protocol asks of a study beyond the fit and its variance table.
struct ValidationStatistics {
    std::vector<LevelPrecision> levels;
    Applicable<SampleSummary> responseFactor;
    VarianceHomogeneity homogeneity;
    Applicable<MandelTest> mandel;
    // Shapiro-Wilk on the residuals Y - Ŷ of the line.
    Applicable<ShapiroWilkTest> normality;
    // The regression F (1 and N - 2 degrees of freedom) and the lack-of-fit F (k - 2 and N - k).
    Applicable<ExactProbability> regression;
    Applicable<ExactProbability> lackOfFit;
    WeightedLines weighting;
    // Only for a study whose responses are the quantities recovered.
    std::optional<RecoveryStatistics> recovery;
};

// The validation statistics of a study's levels, from its fit (CalculaRegresion, with a slope
// that is not zero), its variance table and residuals (CalculaAnova). `recovered` says the
// responses Y are the quantities recovered of the X added. Nothing here throws: a statistic
// the study does not allow says why.
ValidationStatistics validationStatistics(const std::vector<Level>& levels,
                                          const ResultadosRegresion& fit,
                                          const ResultadosAnova& anova, const Residuals& residuals,
                                          bool recovered);

} // namespace linealidad
