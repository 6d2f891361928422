#include "core/stats/StudyLevels.h"

#include <numeric>

namespace linealidad {

OffsetObservations::OffsetObservations(const std::vector<Level>& levels) {
    for (const Level& level : levels) {
        if (!level.x.empty() && u_.empty()) {
            x0_ = level.x.front();
            y0_ = level.y.front();
        }
        for (std::size_t j = 0; j < level.x.size(); ++j) {
            u_.push_back(level.x[j] - x0_);
            v_.push_back(level.y[j] - y0_);
        }
    }
    uMean_ = mean(u_);
    vMean_ = mean(v_);
}

double mean(const std::vector<double>& values) {
    if (values.empty())
        return 0;
    return std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

} // namespace linealidad
