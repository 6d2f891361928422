#include "core/stats/SampleSummary.h"

#include <cmath>

namespace linealidad {

SampleSummary summarise(const std::vector<double>& values, const std::string& singleValue) {
    SampleSummary s;
    s.count = static_cast<int>(values.size());
    const double first = values.empty() ? 0 : values.front();
    double sum = 0;
    for (double v : values)
        sum += v - first;
    const double offsetMean = s.count > 0 ? sum / s.count : 0;
    s.mean = first + offsetMean;
    if (s.count < 2) {
        s.deviation = s.variation = NotApplicable{singleValue};
        return s;
    }
    double squares = 0;
    for (double v : values)
        squares += (v - first - offsetMean) * (v - first - offsetMean);
    const double deviation = std::sqrt(squares / (s.count - 1));
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
