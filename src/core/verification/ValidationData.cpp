#include "core/verification/ValidationData.h"

#include "core/verification/OffsetData.h"
#include "core/verification/WorkedExampleData.h"

namespace linealidad {

// The expected figures are R's (validation_figures.R: lm(), bartlett.test(), shapiro.test(),
// pf(), qf(), qt() and the definitions of Levene's test on the medians, Cochran's C and Mandel's
// test), printed with 17 digits. Where the exact value is a simple fraction it is given instead
// (F = 9/34 and 6084/37 in the worked example, -100/39 far from zero), with R's probability of
// that F.
std::vector<ReferenceDataSet> validationDataSets() {
    using enum ReferenceFigure;
    const std::vector<std::string> fiveLevels{"1", "1", "1", "2", "2", "2", "3", "3",
                                              "3", "4", "4", "4", "5", "5", "5"};
    return {
        {"Ejemplo trabajado",
         workedExampleDataSet().study,
         {
             shownValue(FirstLevelCv, 12.856486930664497),
             shownValue(FirstLevelRelativeError, 2.5641025641025641),
             shownValue(ResponseFactorCv, 8.767444505633879),
             shownValue(BartlettChiSquared, 0.16199298456114369),
             shownValue(BartlettP, 0.92219692624700955),
             shownValue(CochranC, 0.52941176470588235),
             shownValue(CochranCritical, 0.96694444444444427),
             shownValue(MandelF, 0.26470588235294118),
             shownValue(MandelP, 0.64240908174975009),
             shownValue(ShapiroWilkW, 0.91028888422517662),
             shownValue(ShapiroWilkP, 0.43829960266115375),
             shownValue(ExactRegressionP, 0.00021319180267563554),
             shownValue(ExactLackOfFitP, 0.64240908174975009),
             shownValue(WeightedSlopeInverseX2, 0.95192307692307698),
             shownValue(WeightedErrorSumInverseX2, 42.020202020202035),
         }},
        // Five levels of three replicates from 80 % to 120 % of the nominal concentration, as
        // an assay's linearity is run.
        {"Valoración de 80 a 120 %",
         referenceStudy({3, 3, 3, 3, 3},
                        {"80", "80", "80", "90", "90", "90", "100", "100", "100", "110", "110",
                         "110", "120", "120", "120"},
                        {"798.4", "803.1", "801.2", "902.6", "897.9", "899.8", "1001.7", "998.2",
                         "1004.3", "1097.5", "1102.8", "1100.1", "1203.9", "1196.4", "1199.6"}),
         {
             shownValue(FirstLevelCv, 0.29520765183011649),
             shownValue(FirstLevelRelativeError, 0.0041743195859211824),
             shownValue(ResponseFactorCv, 0.24854854374321417),
             shownValue(BartlettChiSquared, 0.55057426283712618),
             shownValue(BartlettP, 0.96839445773550314),
             shownValue(LeveneF, 0.15712021734207837),
             shownValue(LeveneP, 0.95528880285191076),
             shownValue(CochranC, 0.33934989218113787),
             shownValue(CochranCritical, 0.683772233983162),
             shownValue(MandelF, 0.050094964155184385),
             shownValue(MandelP, 0.82666328273174294),
             shownValue(ShapiroWilkW, 0.93914974313732313),
             shownValue(ShapiroWilkP, 0.37179925199162694),
             shownValue(ExactRegressionP, 2.2668622203738619e-24),
             shownValue(ExactLackOfFitP, 0.93036111038809444),
             shownValue(WeightedSlopeInverseX2, 9.9838062240674699),
             shownValue(WeightedErrorSumInverseX2, 3.1642229109852553),
         }},
        // Y close to X²: the quadratic curve fits far better than the line.
        {"Curva cuadrática",
         referenceStudy({3, 3, 3, 3, 3}, fiveLevels,
                        {"1.02", "0.98", "1.01", "3.95", "4.05", "4.01", "9.02", "8.97", "9.05",
                         "16.1", "15.9", "16.0", "25.1", "24.9", "25.0"}),
         {
             shownValue(LeveneF, 1.0393700787401747),
             shownValue(LeveneP, 0.43397806421882329),
             shownValue(MandelF, 10165.705612519987),
             shownValue(MandelP, 6.0634493826953171e-19),
             shownValue(ShapiroWilkW, 0.77226758002017004),
             shownValue(ShapiroWilkP, 0.0016556271897521001),
             shownValue(ExactLackOfFitP, 6.0331245475852326e-15),
         }},
        // The quantities found of 50 % to 150 % added: the linearity of the method.
        {"Recobro de 50 a 150 %",
         referenceStudy({3, 3, 3, 3, 3},
                        {"50", "50", "50", "75", "75", "75", "100", "100", "100", "125", "125",
                         "125", "150", "150", "150"},
                        {"49.6", "50.3", "49.4", "74.8", "75.6", "74.1", "99.2", "100.8", "100.3",
                         "124.1", "125.9", "124.6", "149.2", "150.9", "148.8"}),
         {
             shownValue(FirstLevelCv, 0.94959456656113772),
             shownValue(FirstLevelRelativeError, -0.24022420926199572),
             shownValue(MeanRecovery, 99.811999999999998),
             shownValue(RecoveryIntervalLower, 99.397202269237326),
             shownValue(ShapiroWilkP, 0.1195374836245726),
         }},
        // Responses near 10⁸: the line read back from the means, not from b.
        {"Áreas cerca de 1E8",
         offsetDataSets().front().study,
         {
             shownValue(FirstLevelRelativeError, -2.5641025641025641),
             shownValue(BartlettChiSquared, 1.4730971955549257),
             shownValue(BartlettP, 0.83139603693139197),
             shownValue(CochranC, 0.375),
             shownValue(ShapiroWilkW, 0.95838984056859833),
         }},
    };
}

} // namespace linealidad
