#include "core/verification/OffsetData.h"

namespace linealidad {

// Every value is a multiple of a power of two, so the doubles the program reads are the values
// as written; the expected figures are their exact figures, from exact_figures.py (rational
// arithmetic, roots to 60 digits), rounded to 17 digits.
std::vector<ReferenceDataSet> offsetDataSets() {
    using enum ReferenceFigure;
    const std::vector<std::string> quarters{"1", "1.25", "2", "1.75", "3.25", "2.875"};
    return {
        // Areas of 100000001 to 100000009: Σy² is about 10¹⁵ times Syy. On the raw sums,
        // in doubles, the residual sum of squares comes out 0 and r² 1.
        {"Áreas cerca de 1E8",
         referenceStudy({2, 2, 2, 2, 2}, {"1", "1", "2", "2", "3", "3", "4", "4", "5", "5"},
                        {"100000001.25", "100000000.75", "100000003.5", "100000002.75", "100000005",
                         "100000004.75", "100000007.25", "100000006.5", "100000009",
                         "100000008.75"}),
         {
             shownValue(Slope, 1.95),
             shownValue(Intercept, 99999999.1),
             shownValue(ResidualDeviation, 0.31622776601683793),
             shownValue(VariationCoefficient, 3.1622775036356429e-7),
             shownValue(Determination, 0.98959011060507482),
             shownValue(PureErrorSumOfSquares, 0.75),
             shownValue(RegressionProbability, 0.0000047207085917380772),
             shownValue(LackOfFitProbability, 0.94933215262168230),
             shownValue(FirstStudentizedResidual, 0.75592894601845445),
         }},
        // Amounts of 10000.125 to 10000.375: Σx² is about 10¹⁰ times Sxx. On the raw sums r²
        // comes out 0.9502307185136, wrong in its 10th digit.
        {"Cantidades cerca de 1E4",
         referenceStudy(
             {2, 2, 2},
             {"10000.125", "10000.125", "10000.25", "10000.25", "10000.375", "10000.375"},
             quarters),
         {
             shownValue(Slope, 7.75),
             shownValue(Intercept, -77499.916666666667),
             shownValue(ResidualDeviation, 0.22170621514367461),
             shownValue(Determination, 0.95023071852340145),
             shownValue(PureErrorSumOfSquares, 0.1328125),
             shownValue(FirstStudentizedResidual, -0.30758312596043252),
         }},
        // Both far from zero, X and Y near 10⁶. On the raw sums r² comes out 0.950309, wrong
        // in its 4th digit.
        {"X e Y cerca de 1E6",
         referenceStudy(
             {2, 2, 2}, {"1000001", "1000001", "1000002", "1000002", "1000003", "1000003"},
             {"1000001", "1000001.25", "1000002", "1000001.75", "1000003.25", "1000002.875"}),
         {
             shownValue(Slope, 0.96875),
             shownValue(Intercept, 31250.083333333333),
             shownValue(ResidualDeviation, 0.22170621514367461),
             shownValue(VariationCoefficient, 0.000022170576711327024),
             shownValue(Determination, 0.95023071852340145),
             shownValue(PureErrorSumOfSquares, 0.1328125),
         }},
    };
}

} // namespace linealidad
