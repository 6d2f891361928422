#include "core/stats/ResponseFactor.h"

namespace linealidad {

Applicable<SampleSummary> responseFactor(const std::vector<Level>& levels) {
    std::vector<double> f;
    for (const Level& level : levels)
        for (std::size_t j = 0; j < level.x.size(); ++j)
            if (level.x[j] != 0)
                f.push_back(level.y[j] / level.x[j]);
    if (f.empty())
        return NotApplicable{"todas las X son cero"};
    return summarise(f, "un solo valor");
}

} // namespace linealidad
