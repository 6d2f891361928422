#include "core/stats/ShapiroWilk.h"

#include "core/stats/ExactDistributions.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace linealidad {
namespace {

// c0 + c1·x + c2·x² + ...
template <std::size_t N> double polynomial(const double (&c)[N], double x) {
    double sum = 0;
    for (std::size_t i = N; i-- > 0;)
        sum = sum * x + c[i];
    return sum;
}

// The corrections of the largest and the second largest coefficient, in 1/√n.
constexpr double kLargest[] = {0.0, 0.221157, -0.147981, -2.071190, 4.434685, -2.706056};
constexpr double kSecond[] = {0.0, 0.042981, -0.293762, -1.752461, 5.682633, -3.582633};
// The normalising transformation of W for 4 to 11 values, in n: the bound γ, the mean and the
// logarithm of the deviation of -ln(γ - ln(1 - W)).
constexpr double kSmallGamma[] = {-2.273, 0.459};
constexpr double kSmallMean[] = {0.5440, -0.39978, 0.025054, -0.0006714};
constexpr double kSmallDeviation[] = {1.3822, -0.77857, 0.062767, -0.0020322};
// ... for 12 values or more, in ln n: the mean and the logarithm of the deviation of ln(1 - W).
constexpr double kLargeMean[] = {-1.5861, -0.31082, -0.083751, 0.0038915};
constexpr double kLargeDeviation[] = {-0.4803, -0.082676, 0.0030302};

constexpr int kMinimum = 3;
constexpr int kMaximum = 5000;

// The coefficients of the lower half of the ordered sample (negative; the upper half takes
// them with the opposite sign, in the opposite order).
std::vector<double> lowerCoefficients(int n) {
    const int half = n / 2;
    if (n == 3)
        return {-std::numbers::sqrt2 / 2};
    std::vector<double> m(static_cast<std::size_t>(half));
    double sumSquares = 0;
    for (int i = 0; i < half; ++i) {
        m[static_cast<std::size_t>(i)] = normalQuantile((i + 1 - 0.375) / (n + 0.25));
        sumSquares += 2 * m[static_cast<std::size_t>(i)] * m[static_cast<std::size_t>(i)];
    }
    const double root = std::sqrt(sumSquares);
    const double u = 1 / std::sqrt(static_cast<double>(n));
    std::vector<double> a(m.size());
    a[0] = m[0] / root - polynomial(kLargest, u);
    double kept = sumSquares - 2 * m[0] * m[0];
    double left = 1 - 2 * a[0] * a[0];
    std::size_t first = 1;
    if (n > 5) {
        a[1] = m[1] / root - polynomial(kSecond, u);
        kept -= 2 * m[1] * m[1];
        left -= 2 * a[1] * a[1];
        first = 2;
    }
    const double scale = std::sqrt(kept / left);
    for (std::size_t i = first; i < m.size(); ++i)
        a[i] = m[i] / scale;
    return a;
}

// W as the squared correlation of the coefficients and the ordered values, 1 - (1 - r²) formed
// from (|a||x| - a·x)(|a||x| + a·x), exact where W is near 1.
double statistic(const std::vector<double>& x, const std::vector<double>& lower) {
    const std::size_t n = x.size();
    std::vector<double> a(n, 0.0);
    for (std::size_t i = 0; i < lower.size(); ++i) {
        a[i] = lower[i];
        a[n - 1 - i] = -lower[i];
    }
    const double range = x.back() - x.front();
    double xMean = 0;
    for (double value : x)
        xMean += value / range;
    xMean /= static_cast<double>(n);
    double aa = 0, xx = 0, ax = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double d = x[i] / range - xMean;
        aa += a[i] * a[i];
        xx += d * d;
        ax += a[i] * d;
    }
    const double norms = std::sqrt(aa * xx);
    return 1 - (norms - ax) * (norms + ax) / (aa * xx);
}

double probability(double W, int n) {
    if (n == 3) {
        // Exact: 6/π (arcsin √W - arcsin √(3/4)).
        const double p = 6 / std::numbers::pi * (std::asin(std::sqrt(W)) - std::numbers::pi / 3);
        return std::max(p, 0.0);
    }
    const double y = std::log(1 - W);
    if (n <= 11) {
        const double gamma = polynomial(kSmallGamma, n);
        if (y >= gamma)
            return 0; // beyond the transformation's bound: far below any level of significance
        const double z = -std::log(gamma - y);
        return normalUpperTail((z - polynomial(kSmallMean, n)) /
                               std::exp(polynomial(kSmallDeviation, n)));
    }
    const double logN = std::log(static_cast<double>(n));
    return normalUpperTail((y - polynomial(kLargeMean, logN)) /
                           std::exp(polynomial(kLargeDeviation, logN)));
}

} // namespace

Applicable<ShapiroWilkTest> shapiroWilk(std::vector<double> values) {
    const int n = static_cast<int>(values.size());
    if (n < kMinimum || n > kMaximum)
        return NotApplicable{"se necesitan de 3 a 5000 valores"};
    std::sort(values.begin(), values.end());
    if (!(values.back() - values.front() > 0) || !std::isfinite(values.back() - values.front()))
        return NotApplicable{"todos los valores son iguales"};
    ShapiroWilkTest t;
    t.W = std::min(statistic(values, lowerCoefficients(n)), 1.0);
    t.p = probability(t.W, n);
    if (!std::isfinite(t.W) || !std::isfinite(t.p))
        return NotApplicable{"no se puede calcular"};
    return t;
}

} // namespace linealidad
