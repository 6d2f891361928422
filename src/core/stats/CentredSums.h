#pragma once

#include "core/stats/Observations.h"

#include <cstddef>
#include <vector>

namespace linealidad {

// The observations as the centred formulas take them, and their sums around the means.
//
// Each X is measured from a reference X0, the observation nearest to the mean of X, in units of
// a power of two near the spread of X: u = (x - X0) / 2^ex, with the largest |u| between 1 and 2.
// Y likewise: v = (y - Y0) / 2^ey. Scaling by a power of two is exact, and values far from zero
// compared with their spread are close to their reference, so u and v are exact too; equal
// values give exact zeros. In these units no square or product leaves the normal range of
// doubles, and the sums around the means lose no digits to cancellation. The figures are
// brought back to the data's units with exact power-of-two scalings, and the shift back only
// where a figure depends on where zero is (the intercept and the predicted values).
class CentredSums {
public:
    explicit CentredSums(const Observations& data);

    int n() const { return static_cast<int>(u_.size()); }

    // Observation j (0-based) in the scaled units, as a deviation from the mean.
    double uDeviation(std::size_t j) const { return u_[j] - uMean_; }
    double vDeviation(std::size_t j) const { return v_[j] - vMean_; }
    // Any Y (a level's) in the scaled units.
    double scaledY(double y) const;
    // A sum of squares of X (or Y) in the data's units, brought to the scaled units.
    double scaledXSquares(double squares) const;
    double scaledYSquares(double squares) const;

    // Σ(u - ū)², Σ(v - v̄)², Σ(u - ū)(v - v̄).
    double Sxx() const { return Sxx_; }
    double Syy() const { return Syy_; }
    double Sxy() const { return Sxy_; }

    // The mean of X in units of 2^ex (measured from zero, not from X0).
    double xMeanFromZero() const;
    // The mean of Y, in the data's units.
    double yMean() const;

    // Back to the data's units: a slope, a deviation in Y (a residual, a standard deviation), a
    // sum of squares of Y (or a mean square), and the fitted Y at a deviation u - ū for the
    // slope `scaledSlope`; the intercept is the fitted Y at x = 0. Exact scalings, except that
    // a figure beyond the range of doubles is an overflow.
    double slope(double scaledSlope) const;
    double yDeviation(double scaled) const;
    double ySquares(double scaled) const;
    double fittedY(double scaledSlope, double uDeviation) const;
    double intercept(double scaledSlope) const;

    // The line read backwards: a Y (any, not only an observation's) as a deviation from the
    // mean of Y in the scaled units, and the X, in the data's units, at which the line of
    // slope `scaledSlope` gives that Y. Measured from the means, so offset data lose no digits.
    double scaledYDeviation(double y) const;
    double xAt(double scaledSlope, double y) const;

private:
    std::vector<double> u_, v_;
    double x0_ = 0, y0_ = 0;
    int ex_ = 0, ey_ = 0;
    double uMean_ = 0, vMean_ = 0;
    double Sxx_ = 0, Syy_ = 0, Sxy_ = 0;
};

} // namespace linealidad
