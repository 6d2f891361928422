#include "core/verification/WorkedExampleData.h"

namespace linealidad {

// The values are the exact figures of the data, from exact_figures.py (rational arithmetic,
// roots and powers to 60 digits), rounded to 17 digits; the limits use t = 2.7764, the program's
// table value for 4 degrees of freedom, and the probabilities are the program's own F
// approximation evaluated exactly (with its small-d2 correction for the lack of fit's 3 degrees
// of freedom). Shown with 6 digits they are the figures of the example's inference and analysis
// of variance: m = 0.975, b = 0.1, limits 1.1861 and 0.763898, t cal 12.8231, intercept limits
// 0.556033 and -0.356033, t cal 0.608816, Sy/x 0.152069, CV 7.418, r² 0.9762516046, Pfcal
// 0.000898959 and 0.642406.
ReferenceDataSet workedExampleDataSet() {
    using enum ReferenceFigure;
    return {"Ejemplo trabajado",
            referenceStudy({2, 2, 2}, {"1", "1", "2", "2", "3", "3"},
                           {"1.0", "1.2", "2.1", "1.9", "3.2", "2.9"}),
            {
                shownValue(Slope, 0.975),
                shownValue(Intercept, 0.1),
                shownValue(SlopeUpperLimit, 1.1861022736139997),
                shownValue(SlopeLowerLimit, 0.76389772638600029),
                shownValue(SlopeT, 12.823121009817869),
                shownValue(InterceptUpperLimit, 0.55603303204555990),
                shownValue(InterceptLowerLimit, -0.35603303204555990),
                shownValue(InterceptT, 0.60881554731820923),
                shownValue(ResidualDeviation, 0.15206906325745549),
                shownValue(VariationCoefficient, 7.4180030857295362),
                shownValue(Determination, 0.97625160462130937),
                shownValue(RegressionF, 164.43243243243243),
                shownValue(RegressionProbability, 0.00089895934714558420),
                shownValue(LackOfFitProbability, 0.64240644374714991),
                shownValue(PureErrorSumOfSquares, 0.085),
                shownValue(LackOfFitSumOfSquares, 0.0075),
                shownValue(FirstStudentizedResidual, -0.64574640300075771),
            }};
}

} // namespace linealidad
