#include "core/stats/CentredSums.h"

#include "core/stats/CheckedArithmetic.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace linealidad {

using arithmetic::checked;

namespace {

// The value nearest to the mean of `values` (the first of equals), or 0 when there is none.
// Halves keep every step within the range of doubles.
double nearestToMean(const std::vector<double>& values) {
    double halfMean = 0;
    for (double value : values)
        halfMean += value / 2 / static_cast<double>(values.size());
    double nearest = 0;
    double distance = std::numeric_limits<double>::infinity();
    for (double value : values)
        if (std::fabs(value / 2 - halfMean) < distance) {
            nearest = value;
            distance = std::fabs(value / 2 - halfMean);
        }
    return nearest;
}

// The binary exponent e that brings the largest |value - reference| / 2^e between 1 and 2; 0
// when every value equals the reference.
int spreadExponent(const std::vector<double>& values, double reference) {
    double halfSpread = 0;
    for (double value : values)
        halfSpread = std::max(halfSpread, std::fabs(value / 2 - reference / 2));
    return halfSpread == 0 ? 0 : std::ilogb(halfSpread) + 1;
}

// The values measured from `reference` in units of 2^exponent: scaled first, so no difference
// overflows, then subtracted.
std::vector<double> scaled(const std::vector<double>& values, double reference, int exponent) {
    std::vector<double> result;
    result.reserve(values.size());
    for (double value : values)
        result.push_back(std::ldexp(value, -exponent) - std::ldexp(reference, -exponent));
    return result;
}

double mean(const std::vector<double>& values) {
    double sum = 0;
    for (double value : values)
        sum += value;
    return values.empty() ? 0 : sum / static_cast<double>(values.size());
}

} // namespace

CentredSums::CentredSums(const Observations& data)
    : x0_(nearestToMean(data.x)), y0_(nearestToMean(data.y)), ex_(spreadExponent(data.x, x0_)),
      ey_(spreadExponent(data.y, y0_)) {
    u_ = scaled(data.x, x0_, ex_);
    v_ = scaled(data.y, y0_, ey_);
    uMean_ = mean(u_);
    vMean_ = mean(v_);
    for (std::size_t j = 0; j < u_.size(); ++j) {
        Sxx_ += uDeviation(j) * uDeviation(j);
        Syy_ += vDeviation(j) * vDeviation(j);
        Sxy_ += uDeviation(j) * vDeviation(j);
    }
}

double CentredSums::scaledY(double y) const {
    return std::ldexp(y, -ey_) - std::ldexp(y0_, -ey_);
}

double CentredSums::scaledXSquares(double squares) const {
    return std::ldexp(squares, -2 * ex_);
}

double CentredSums::scaledYSquares(double squares) const {
    return std::ldexp(squares, -2 * ey_);
}

double CentredSums::xMeanFromZero() const {
    return std::ldexp(x0_, -ex_) + uMean_;
}

double CentredSums::yMean() const {
    return y0_ + std::ldexp(vMean_, ey_);
}

double CentredSums::slope(double scaledSlope) const {
    return checked(std::ldexp(scaledSlope, ey_ - ex_));
}

double CentredSums::yDeviation(double scaled) const {
    return checked(std::ldexp(scaled, ey_));
}

double CentredSums::ySquares(double scaled) const {
    return checked(std::ldexp(scaled, 2 * ey_));
}

double CentredSums::fittedY(double scaledSlope, double uDeviation) const {
    return checked(y0_ + std::ldexp(vMean_ + scaledSlope * uDeviation, ey_));
}

double CentredSums::intercept(double scaledSlope) const {
    // The fitted Y at X0 is exact to a rounding; going from there to x = 0 rounds once more.
    const double atX0 = fittedY(scaledSlope, -uMean_);
    return checked(std::fma(-slope(scaledSlope), x0_, atX0));
}

double CentredSums::scaledYDeviation(double y) const {
    return checked(checked(scaledY(y)) - vMean_);
}

double CentredSums::xAt(double scaledSlope, double y) const {
    const double u = checked(uMean_ + checked(scaledYDeviation(y) / scaledSlope));
    return checked(x0_ + std::ldexp(u, ex_));
}

} // namespace linealidad
