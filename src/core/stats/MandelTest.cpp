#include "core/stats/MandelTest.h"

#include "core/stats/ExactDistributions.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace linealidad {
namespace {

using Vector = std::vector<double>;

double dot(const Vector& a, const Vector& b) {
    double sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        sum += a[i] * b[i];
    return sum;
}

// `v` less its projection on the unit vector `q`.
void removeComponent(Vector& v, const Vector& q) {
    const double c = dot(v, q);
    for (std::size_t i = 0; i < v.size(); ++i)
        v[i] -= c * q[i];
}

// `v` scaled to length 1; false when nothing of it is left.
bool normalise(Vector& v, double scale) {
    const double length = std::sqrt(dot(v, v));
    if (!(length > 1e-10 * scale))
        return false;
    for (double& value : v)
        value /= length;
    return true;
}

constexpr double kRoundingOfProjections = 1e-12;

int distinctCount(Vector values) {
    std::sort(values.begin(), values.end());
    return static_cast<int>(std::unique(values.begin(), values.end()) - values.begin());
}

} // namespace

// The line and the curve by orthogonal projections on 1, t and t² (t the X centred and scaled
// to at most 1, Gram-Schmidt applied twice): the reduction of the residual sum of squares is
// the square of the responses' component along the curvature, with none of the cancellation of
// a difference of two sums of squares or of the normal equations of X².
Applicable<MandelTest> mandelTest(const OffsetObservations& data) {
    const Vector& u = data.u();
    const std::size_t n = u.size();
    if (n < 4)
        return NotApplicable{"se necesitan al menos 4 observaciones"};
    if (distinctCount(u) < 3)
        return NotApplicable{"se necesitan 3 valores distintos de X"};

    double spread = 0;
    for (double value : u)
        spread = std::max(spread, std::fabs(value - data.uMean()));
    Vector one(n, 1 / std::sqrt(static_cast<double>(n)));
    Vector t(n), curvature(n);
    for (std::size_t i = 0; i < n; ++i) {
        t[i] = (u[i] - data.uMean()) / spread;
        curvature[i] = t[i] * t[i];
    }
    for (int pass = 0; pass < 2; ++pass)
        removeComponent(t, one);
    normalise(t, 1);
    for (int pass = 0; pass < 2; ++pass) {
        removeComponent(curvature, one);
        removeComponent(curvature, t);
    }
    if (!normalise(curvature, 1))
        return NotApplicable{"se necesitan 3 valores distintos de X"};

    Vector residual = data.v();
    removeComponent(residual, one);
    const double responseSpread = std::sqrt(dot(residual, residual));
    removeComponent(residual, t);
    double reduction = dot(residual, curvature);
    // Responses with no curvature at all leave only the rounding of the projections, some
    // 1e-16 of their spread: that is no curvature, F = 0, not a figure of noise.
    if (std::fabs(reduction) <= kRoundingOfProjections * responseSpread)
        reduction = 0;
    removeComponent(residual, curvature);
    const double quadraticSquares = dot(residual, residual);
    if (quadraticSquares == 0)
        return NotApplicable{"la curva pasa por todos los puntos"};

    MandelTest m;
    m.df2 = static_cast<int>(n) - 3;
    m.F = reduction * reduction / (quadraticSquares / m.df2);
    m.p = fUpperTail(m.F, 1, m.df2);
    if (!std::isfinite(m.F) || !std::isfinite(m.p))
        return NotApplicable{"no se puede calcular"};
    return m;
}

} // namespace linealidad
