#include "core/stats/RecoveryStatistics.h"

#include "core/stats/ExactDistributions.h"

#include <cmath>

namespace linealidad {
namespace {

const NotApplicable kEveryXIsZero{"todas las X son cero"};

Applicable<MeanInterval> meanInterval(const SampleSummary& s) {
    const double* deviation = valueOf(s.deviation);
    if (!deviation)
        return std::get<NotApplicable>(s.deviation);
    const double half = studentQuantile(0.975, s.count - 1) * *deviation / std::sqrt(s.count);
    if (!std::isfinite(half))
        return NotApplicable{"no se puede calcular"};
    return MeanInterval{s.mean - half, s.mean + half};
}

} // namespace

RecoveryStatistics recoveryStatistics(const std::vector<Level>& levels,
                                      const ResultadosRegresion& fit) {
    RecoveryStatistics r;
    int number = 0;
    for (const Level& level : levels)
        for (std::size_t j = 0; j < level.x.size(); ++j) {
            ++number;
            if (level.x[j] != 0)
                r.observations.push_back(
                    {number, level.x[j], level.y[j], 100 * level.y[j] / level.x[j]});
        }
    if (r.observations.empty()) {
        r.summary = kEveryXIsZero;
        r.interval = kEveryXIsZero;
    } else {
        std::vector<double> recoveries;
        for (const ObservationRecovery& o : r.observations)
            recoveries.push_back(o.recovery);
        const SampleSummary s = summarise(recoveries, "un solo valor");
        r.summary = s;
        r.interval = meanInterval(s);
    }
    r.slopeContainsOne = fit.LimInfPendiente <= 1 && 1 <= fit.LimSupPendiente;
    r.interceptContainsZero = fit.LimInfOrdenada <= 0 && 0 <= fit.LimSupOrdenada;
    return r;
}

} // namespace linealidad
