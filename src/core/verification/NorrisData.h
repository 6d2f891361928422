#pragma once

#include "core/study/Study.h"
#include "core/verification/ReferenceDataSet.h"

namespace linealidad {

// The "Norris" data set of the NIST Statistical Reference Datasets (StRD), linear regression,
// lower difficulty: y = b0 + b1·x over 36 observations (a calibration of ozone monitors), with
// results certified to 15 significant digits.
namespace norris {
constexpr double kSlope = 1.00211681802045;
constexpr double kIntercept = -0.262323073774029;
constexpr double kResidualStandardDeviation = 0.884796396144373;
constexpr double kRSquared = 0.999993745883712;
constexpr double kRegressionSumOfSquares = 4255954.13232369;
constexpr double kResidualSumOfSquares = 26.6173985294224;
} // namespace norris

// The 36 observations as a study of ten levels.
Study norrisStudy();

// The study with its certified values.
ReferenceDataSet norrisDataSet();

} // namespace linealidad
