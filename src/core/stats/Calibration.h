#pragma once

#include "core/stats/FormulaChoice.h"
#include "core/stats/Results.h"

namespace linealidad {

// The X read back from a response, with its 95 % confidence interval.
struct InversePrediction {
    double x = 0;             // x0 = (y0 - b) / m
    double standardError = 0; // s_x0
    double lower = 0;         // x0 - t·s_x0
    double upper = 0;         // x0 + t·s_x0
    // The response lies outside the calibrated range (calibratedRange below); x0 is still given.
    bool outsideCalibratedRange = false;
};

// The fitted line of a study used as a calibration curve: a response Y of an unknown, the mean
// of its k replicates, gives the X that produces it and the interval around it,
//
//   x0 = (y0 - b) / m,   s_x0 = (Sy/x / |m|) · √(1/k + 1/n + (y0 - ȳ)² / (m²·Sxx)),
//   x0 ± t·s_x0,
//
// with t the table value for n - 2 degrees of freedom that the inference uses. The figures are
// taken from the same sums the fit used: where the fit chose the sums around the means (offset
// data), x0 is measured from the means and (y0 - ȳ)²/(m²·Sxx) is formed in their units.
//
// The calibrated range is the span of the fitted responses over the X range of the study,
// from b + m·xmin to b + m·xmax (either order): the responses the curve was fitted for. A
// response is outside it only when beyond an end by more than a rounding (10⁻¹² of the range);
// the ends themselves are inside.
class Calibration {
public:
    // `fit` is CalculaRegresion's record for these observations, with a slope that is not zero.
    Calibration(const Observations& data, const ResultadosRegresion& fit);

    // `replicates` is k, at least 1. Arithmetic faults throw (ArithmeticError).
    InversePrediction predict(double response, int replicates) const;

    double lowestResponse() const { return lowest_; }
    double highestResponse() const { return highest_; }

private:
    // (y0 - ȳ)² / (m²·Sxx), and x0.
    double leverage(double response) const;
    double readBack(double response) const;

    ObservationSums sums_;
    ResultadosRegresion fit_;
    int n_;
    double lowest_ = 0;
    double highest_ = 0;
};

} // namespace linealidad
