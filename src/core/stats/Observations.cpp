#include "core/stats/Observations.h"

#include "core/stats/CheckedArithmetic.h"

namespace linealidad {

using arithmetic::checked;
using arithmetic::divide;

Sums rawSums(const Observations& data) {
    Sums s;
    for (std::size_t j = 0; j < data.x.size(); ++j) {
        const double x = data.x[j];
        const double y = data.y[j];
        s.x += x;
        s.x2 += x * x;
        s.y += y;
        s.y2 += y * y;
        s.xy += x * y;
    }
    return s;
}

double slope(const Sums& s, int n) {
    const double numerator = checked(checked(n * s.xy) - checked(s.x * s.y));
    const double denominator = checked(checked(n * s.x2) - checked(s.x * s.x));
    return divide(numerator, denominator);
}

double intercept(const Sums& s, double slope, int n) {
    return divide(checked(s.y - checked(slope * s.x)), n);
}

} // namespace linealidad
