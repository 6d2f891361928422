#include "core/stats/VarianceHomogeneity.h"

#include "core/stats/ExactDistributions.h"
#include "core/stats/SampleSummary.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace linealidad {
namespace {

// The responses of a level measured from its first: identical replicates are exact zeros.
std::vector<double> fromFirst(const std::vector<double>& y) {
    std::vector<double> w;
    for (double value : y)
        w.push_back(value - y.front());
    return w;
}

double median(std::vector<double> w) {
    std::sort(w.begin(), w.end());
    const std::size_t half = w.size() / 2;
    return w.size() % 2 == 1 ? w[half] : (w[half - 1] + w[half]) / 2;
}

// The levels a test of homogeneity takes: their responses (from the first) and variances.
struct Groups {
    std::vector<std::vector<double>> responses;
    std::vector<double> variances;
    int k() const { return static_cast<int>(responses.size()); }
    int n(int i) const { return static_cast<int>(responses[static_cast<std::size_t>(i)].size()); }
    int total() const {
        int sum = 0;
        for (int i = 0; i < k(); ++i)
            sum += n(i);
        return sum;
    }
};

Applicable<BartlettTest> bartlett(const Groups& g) {
    double df = 0;
    double pooled = 0;
    double logs = 0;
    double reciprocals = 0;
    for (int i = 0; i < g.k(); ++i) {
        const double nu = g.n(i) - 1;
        const double s2 = g.variances[static_cast<std::size_t>(i)];
        df += nu;
        pooled += nu * s2;
        logs += nu * std::log(s2);
        reciprocals += 1 / nu;
    }
    pooled /= df;
    const double correction = 1 + (reciprocals - 1 / df) / (3.0 * (g.k() - 1));
    BartlettTest t;
    t.chiSquared = (df * std::log(pooled) - logs) / correction;
    t.df = g.k() - 1;
    t.p = chiSquaredUpperTail(std::max(t.chiSquared, 0.0), t.df);
    if (!std::isfinite(t.chiSquared) || !std::isfinite(t.p))
        return NotApplicable{"no se puede calcular"};
    return t;
}

// Rounding the median leaves deviations that differ in their last digits where they are
// equal (two replicates always give two equal deviations): a spread this far below the
// deviations themselves is none.
constexpr double kNegligibleSpread = 1e-24;

Applicable<LeveneTest> levene(const Groups& g) {
    std::vector<std::vector<double>> z;
    for (const std::vector<double>& w : g.responses) {
        const double m = median(w);
        std::vector<double>& d = z.emplace_back();
        for (double value : w)
            d.push_back(std::fabs(value - m));
    }
    std::vector<double> all;
    for (const auto& d : z)
        all.insert(all.end(), d.begin(), d.end());
    const double grand = mean(all);
    double between = 0;
    double within = 0;
    double squares = 0;
    for (const auto& d : z) {
        const double m = mean(d);
        between += static_cast<double>(d.size()) * (m - grand) * (m - grand);
        for (double value : d) {
            within += (value - m) * (value - m);
            squares += value * value;
        }
    }
    if (within <= kNegligibleSpread * squares)
        return NotApplicable{"|Y - mediana| no varía dentro de los niveles"};
    LeveneTest t;
    t.df1 = g.k() - 1;
    t.df2 = g.total() - g.k();
    t.F = (between / t.df1) / (within / t.df2);
    t.p = fUpperTail(t.F, t.df1, t.df2);
    if (!std::isfinite(t.F) || !std::isfinite(t.p))
        return NotApplicable{"no se puede calcular"};
    return t;
}

CochranTest cochran(const Groups& g) {
    CochranTest t;
    const double sum = std::accumulate(g.variances.begin(), g.variances.end(), 0.0);
    t.C = *std::max_element(g.variances.begin(), g.variances.end()) / sum;
    for (int i = 1; i < g.k(); ++i)
        if (g.n(i) != g.n(0)) {
            t.critical = NotApplicable{"niveles con distinto número de réplicas"};
            return t;
        }
    const double k = g.k();
    const double nu = g.n(0) - 1;
    const double F = fQuantile(1 - 0.05 / k, nu, nu * (k - 1));
    t.critical = finite(1 / (1 + (k - 1) / F));
    return t;
}

} // namespace

VarianceHomogeneity varianceHomogeneity(const std::vector<Level>& levels) {
    Groups g;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        if (levels[i].y.size() < 2)
            continue;
        g.responses.push_back(fromFirst(levels[i].y));
        g.variances.push_back(sampleVariance(levels[i].y));
        if (g.variances.back() == 0) {
            const NotApplicable zero{"el nivel " + std::to_string(i + 1) + " tiene varianza cero"};
            return {zero, zero, zero};
        }
    }
    if (g.k() < 2) {
        const NotApplicable few{"se necesitan al menos 2 niveles con réplicas"};
        return {few, few, few};
    }
    return {bartlett(g), levene(g), cochran(g)};
}

} // namespace linealidad
