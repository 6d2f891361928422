#include "core/stats/ExactDistributions.h"

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>

#include <cmath>
#include <limits>

namespace linealidad {
namespace {

// Domain and evaluation errors give NaN (or an infinity) instead of an exception: the callers
// check every figure and say why it does not apply.
using namespace boost::math::policies;
using QuietPolicy = policy<domain_error<ignore_error>, pole_error<ignore_error>,
                           overflow_error<ignore_error>, underflow_error<ignore_error>,
                           evaluation_error<ignore_error>, rounding_error<ignore_error>>;

using FDistribution = boost::math::fisher_f_distribution<double, QuietPolicy>;
using ChiSquared = boost::math::chi_squared_distribution<double, QuietPolicy>;
using StudentT = boost::math::students_t_distribution<double, QuietPolicy>;
using Normal = boost::math::normal_distribution<double, QuietPolicy>;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool positive(double v) {
    return v > 0 && std::isfinite(v);
}

bool probability(double p) {
    return p > 0 && p < 1;
}

} // namespace

double fUpperTail(double F, double d1, double d2) {
    if (!positive(d1) || !positive(d2) || !(F >= 0) || !std::isfinite(F))
        return kNaN;
    return cdf(complement(FDistribution(d1, d2), F));
}

double fQuantile(double p, double d1, double d2) {
    if (!positive(d1) || !positive(d2) || !probability(p))
        return kNaN;
    return quantile(FDistribution(d1, d2), p);
}

double chiSquaredUpperTail(double x, double df) {
    if (!positive(df) || !(x >= 0) || !std::isfinite(x))
        return kNaN;
    return cdf(complement(ChiSquared(df), x));
}

double studentQuantile(double p, double df) {
    if (!positive(df) || !probability(p))
        return kNaN;
    return quantile(StudentT(df), p);
}

double normalQuantile(double p) {
    if (!probability(p))
        return kNaN;
    return quantile(Normal(), p);
}

double normalUpperTail(double z) {
    if (std::isnan(z))
        return kNaN;
    return cdf(complement(Normal(), z));
}

} // namespace linealidad
