#include "core/stats/Calibration.h"

#include "core/stats/CheckedArithmetic.h"

#include <algorithm>
#include <cmath>

namespace linealidad {

using arithmetic::checked;
using arithmetic::divide;
using arithmetic::squareRoot;

namespace {

// How far past an end of the calibrated range, as a share of the range, a response still lies
// at that end.
constexpr double kRangeTolerance = 1e-12;

// The positions of the smallest and the largest X.
std::pair<std::size_t, std::size_t> xExtremes(const Observations& data) {
    const auto [low, high] = std::minmax_element(data.x.begin(), data.x.end());
    return {static_cast<std::size_t>(low - data.x.begin()),
            static_cast<std::size_t>(high - data.x.begin())};
}

} // namespace

Calibration::Calibration(const Observations& data, const ResultadosRegresion& fit)
    : sums_(sumObservations(data)), fit_(fit), n_(static_cast<int>(data.x.size())) {
    const auto [low, high] = xExtremes(data);
    double atLow = 0;
    double atHigh = 0;
    if (sums_.formulas == Formulas::Raw) {
        atLow = checked(fit_.Ordenada + checked(fit_.Pendiente * data.x[low]));
        atHigh = checked(fit_.Ordenada + checked(fit_.Pendiente * data.x[high]));
    } else {
        const CentredSums& c = sums_.centred;
        const double ms = divide(c.Sxy(), c.Sxx());
        atLow = c.fittedY(ms, c.uDeviation(low));
        atHigh = c.fittedY(ms, c.uDeviation(high));
    }
    lowest_ = std::min(atLow, atHigh);
    highest_ = std::max(atLow, atHigh);
}

double Calibration::leverage(double response) const {
    if (sums_.formulas == Formulas::Raw) {
        const Sums& s = sums_.raw;
        const double m = fit_.Pendiente;
        const double Sxx = checked(s.x2 - divide(checked(s.x * s.x), n_));
        const double fromMean = checked(response - divide(s.y, n_));
        return divide(checked(fromMean * fromMean), checked(checked(m * m) * Sxx));
    }
    const CentredSums& c = sums_.centred;
    const double ms = divide(c.Sxy(), c.Sxx());
    const double xFromMean = divide(c.scaledYDeviation(response), ms);
    return divide(checked(xFromMean * xFromMean), c.Sxx());
}

double Calibration::readBack(double response) const {
    if (sums_.formulas == Formulas::Raw)
        return divide(checked(response - fit_.Ordenada), fit_.Pendiente);
    const CentredSums& c = sums_.centred;
    return c.xAt(divide(c.Sxy(), c.Sxx()), response);
}

InversePrediction Calibration::predict(double response, int replicates) const {
    InversePrediction p;
    p.x = readBack(response);
    const double spread = divide(fit_.DesvRegresion, std::fabs(fit_.Pendiente));
    const double sum =
        checked(checked(divide(1.0, replicates) + divide(1.0, n_)) + leverage(response));
    p.standardError = checked(spread * squareRoot(sum));
    const double halfWidth = checked(fit_.TTabla * p.standardError);
    p.lower = checked(p.x - halfWidth);
    p.upper = checked(p.x + halfWidth);
    // The ends are computed in floating point: a response typed as the end's shown value may
    // differ from it in the last bits, and is still at the end, not beyond it.
    const double slack = kRangeTolerance * (highest_ - lowest_);
    p.outsideCalibratedRange = response < lowest_ - slack || response > highest_ + slack;
    return p;
}

} // namespace linealidad
