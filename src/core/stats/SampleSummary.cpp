#include "core/stats/SampleSummary.h"

#include <cmath>

namespace linealidad {

namespace {

// The mean of the values measured from the first one.
double offsetMean(const std::vector<double>& values) {
    if (values.empty())
        return 0;
    double sum = 0;
    for (double v : values)
        sum += v - values.front();
    return sum / static_cast<int>(values.size());
}

} // namespace

double sampleVariance(const std::vector<double>& values) {
    const double m = offsetMean(values);
    double squares = 0;
    for (double v : values)
        squares += (v - values.front() - m) * (v - values.front() - m);
    return squares / (static_cast<int>(values.size()) - 1);
}

SampleSummary summarise(const std::vector<double>& values, const std::string& singleValue) {
    SampleSummary s;
    s.count = static_cast<int>(values.size());
    s.mean = (values.empty() ? 0 : values.front()) + offsetMean(values);
    if (s.count < 2) {
        s.deviation = s.variation = NotApplicable{singleValue};
        return s;
    }
    const double deviation = std::sqrt(sampleVariance(values));
    s.deviation = finite(deviation);
    if (s.mean == 0)
        s.variation = NotApplicable{"la media es cero"};
    else
        s.variation = finite(100 * deviation / std::fabs(s.mean));
    return s;
}

Applicable<double> finite(double value) {
    if (std::isfinite(value))
        return value;
    return NotApplicable{"resultado fuera del intervalo numérico"};
}

} // namespace linealidad
