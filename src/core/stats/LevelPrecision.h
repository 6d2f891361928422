#pragma once

#include "core/stats/NotApplicable.h"
#include "core/stats/SampleSummary.h"
#include "core/stats/StudyLevels.h"

#include <vector>

namespace linealidad {

// How precise a level is and how well the fitted line reads it back.
struct LevelPrecision {
    int replicates = 0;
    double x = 0;    // the mean X of the level
    SampleSummary y; // media Y, DE Y and CV % of the level's responses
    // (media Y - b) / m: the X the line gives for the level's mean response.
    double xRecalculated = 0;
    // 100·(X recalculada - X)/X; not for X = 0.
    Applicable<double> relativeError;
};

// Each level of the study read back through the line of slope `slope` (not zero) fitted to all
// its observations. The line is taken through the means, x̄ + (media Y - ȳ)/m, which is
// (media Y - b)/m without the cancellation of b against the responses far from zero.
std::vector<LevelPrecision> levelPrecision(const std::vector<Level>& levels,
                                           const OffsetObservations& offsets, double slope);

} // namespace linealidad
