#include "core/results/InverseCommand.h"

#include "core/results/ResultFormats.h"
#include "core/stats/StudyObservations.h"

namespace linealidad {

std::optional<Calibration> inverseCommand(const Study& study, char decimal, ResultSet& results) {
    const Observations data = readObservations(study, decimal);
    fit(data, results);
    if (results.PendienteCero)
        return std::nullopt;
    return Calibration(data, results.regression);
}

std::vector<std::string> inverseCells(double response, const InversePrediction& prediction,
                                      char decimal) {
    using results::G6;
    std::vector<std::string> cells{G6(response, decimal), G6(prediction.x, decimal),
                                   G6(prediction.lower, decimal), G6(prediction.upper, decimal)};
    if (prediction.outsideCalibratedRange)
        cells.emplace_back(kOutsideCalibratedRange);
    return cells;
}

} // namespace linealidad
