#include "core/results/ValidationCommand.h"

#include "core/stats/StudyObservations.h"

namespace linealidad {

std::optional<ValidationStatistics> validationCommand(const Study& study, char decimal,
                                                      ResultSet& results, bool recovered) {
    return validationCommand(readObservations(study, decimal), results, recovered);
}

std::optional<ValidationStatistics> validationCommand(const Observations& data, ResultSet& results,
                                                      bool recovered) {
    fit(data, results);
    if (results.PendienteCero)
        return std::nullopt;
    analyse(data, results);
    return validationStatistics(data.levels, results.regression, results.anova, results.residuals,
                                recovered);
}

} // namespace linealidad
