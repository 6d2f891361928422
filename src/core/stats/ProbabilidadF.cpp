#include "core/stats/ProbabilidadF.h"

#include "core/stats/CheckedArithmetic.h"

#include <cmath>
#include <utility>

namespace linealidad {

using arithmetic::checked;
using arithmetic::divide;
using arithmetic::squareRoot;

double Potencia(double x, double y) {
    return arithmetic::exponential(checked(y * arithmetic::ln(x)));
}

namespace {

// The upper tail for x ≥ 1; never more than 0.5, since z is an absolute value.
double upperTail(double x, double d1, double d2) {
    const double twoNinths = 2.0 / 9.0;
    const double a1 = divide(twoNinths, d1);
    const double a2 = divide(twoNinths, d2);
    const double numerator = std::fabs(checked((1 - a2) * Potencia(x, 0.333) - 1 + a1));
    double z = divide(numerator, squareRoot(checked(a2 * Potencia(x, 0.666) + a1)));
    if (d2 < 4)
        z = checked(z * (1 + divide(0.08 * Potencia(z, 4), Potencia(d2, 3))));
    const double polynomial = 1 + z * (0.196854 + z * (0.115194 + z * (0.000344 + z * 0.019527)));
    return divide(0.5, Potencia(checked(polynomial), 4));
}

} // namespace

double ProbabilidadF(double F, double d1, double d2) {
    if (F <= 0)
        return 1;
    if (F < 1) {
        std::swap(d1, d2);
        return 1 - upperTail(divide(1.0, F), d1, d2);
    }
    return upperTail(F, d1, d2);
}

} // namespace linealidad
