#include "core/stats/LevelPrecision.h"

namespace linealidad {

std::vector<LevelPrecision> levelPrecision(const std::vector<Level>& levels,
                                           const OffsetObservations& offsets, double slope) {
    std::vector<LevelPrecision> result;
    for (const Level& level : levels) {
        LevelPrecision p;
        p.replicates = static_cast<int>(level.y.size());
        std::vector<double> u, v;
        for (std::size_t j = 0; j < level.x.size(); ++j) {
            u.push_back(level.x[j] - offsets.x0());
            v.push_back(level.y[j] - offsets.y0());
        }
        p.x = offsets.x0() + mean(u);
        p.y = summarise(level.y, "una réplica");
        // X recalculada - X, from the deviations of the level's means from the study's.
        const double error = (offsets.uMean() - mean(u)) + (mean(v) - offsets.vMean()) / slope;
        p.xRecalculated = p.x + error;
        if (p.x == 0)
            p.relativeError = NotApplicable{"X es cero"};
        else
            p.relativeError = finite(100 * error / p.x);
        result.push_back(std::move(p));
    }
    return result;
}

} // namespace linealidad
