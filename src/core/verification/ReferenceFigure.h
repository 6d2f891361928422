#pragma once

#include "core/results/ResultSet.h"
#include "core/stats/ValidationStatistics.h"

#include <string>

namespace linealidad {

// A figure of the results that a reference data set states a value for.
enum class ReferenceFigure {
    Slope,
    Intercept,
    SlopeUpperLimit,
    SlopeLowerLimit,
    SlopeT,
    InterceptUpperLimit,
    InterceptLowerLimit,
    InterceptT,
    ResidualDeviation, // Sy/x
    VariationCoefficient,
    Determination, // r²
    RegressionSumOfSquares,
    ResidualSumOfSquares,
    PureErrorSumOfSquares,
    LackOfFitSumOfSquares,
    RegressionF,
    RegressionProbability, // the program's own F approximation
    LackOfFitProbability,
    FirstStudentizedResidual,
    // The validation statistics.
    FirstLevelCv,
    FirstLevelRelativeError,
    ResponseFactorCv,
    BartlettChiSquared,
    BartlettP,
    LeveneF,
    LeveneP,
    CochranC,
    CochranCritical,
    MandelF,
    MandelP,
    ShapiroWilkW,
    ShapiroWilkP,
    ExactRegressionP,
    ExactLackOfFitP,
    WeightedSlopeInverseX2,
    WeightedErrorSumInverseX2,
    MeanRecovery,
    RecoveryIntervalLower,
};

// The figure's name as the verification shows and prints it.
std::string figureName(ReferenceFigure figure);

// The figure as the computations left it in `results` and in the validation statistics (with
// the recovery) of the same study; NaN when the statistic does not apply.
double figureValue(ReferenceFigure figure, const ResultSet& results,
                   const ValidationStatistics& validation);

// The significant digits the program shows the figure with: r² with 10, every other with 6.
int shownDigits(ReferenceFigure figure);

} // namespace linealidad
