#include "core/stats/FormulaChoice.h"

#include <cmath>

namespace linealidad {
namespace {

// Whether a·b is a normal double: finite, and zero only when a factor is zero.
bool normalProduct(double a, double b) {
    const double product = a * b;
    if (a == 0 || b == 0)
        return true;
    return std::isnormal(product);
}

bool rawSumsInRange(const Observations& data, const Sums& s) {
    for (std::size_t j = 0; j < data.x.size(); ++j) {
        const double x = data.x[j];
        const double y = data.y[j];
        if (!normalProduct(x, x) || !normalProduct(y, y) || !normalProduct(x, y))
            return false;
    }
    const double n = static_cast<double>(data.x.size());
    return std::isfinite(s.x) && std::isfinite(s.y) && std::isfinite(s.x2) && std::isfinite(s.y2) &&
           std::isfinite(s.xy) && normalProduct(n, s.xy) && normalProduct(s.x, s.y) &&
           normalProduct(n, s.x2) && normalProduct(s.x, s.x) && normalProduct(s.y, s.y);
}

// Σx² > 10⁶·Sxx or Σy² > 10⁶·Syy, compared in the centred sums' units.
bool rawSumsCancel(const Sums& s, const CentredSums& c) {
    constexpr double kLostDigits = 1e6;
    return c.scaledXSquares(s.x2) > kLostDigits * c.Sxx() ||
           c.scaledYSquares(s.y2) > kLostDigits * c.Syy();
}

} // namespace

Formulas chooseFormulas(const Observations& data, const Sums& raw, const CentredSums& centred) {
    if (!rawSumsInRange(data, raw) || rawSumsCancel(raw, centred))
        return Formulas::Centred;
    return Formulas::Raw;
}

ObservationSums sumObservations(const Observations& data) {
    const Sums raw = rawSums(data);
    CentredSums centred(data);
    const Formulas formulas = chooseFormulas(data, raw, centred);
    return {raw, std::move(centred), formulas};
}

} // namespace linealidad
