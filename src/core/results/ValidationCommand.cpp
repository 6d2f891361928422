#include "core/results/ValidationCommand.h"

namespace linealidad {

std::optional<ValidationStatistics> validationCommand(const Study& study, char decimal,
                                                      ResultSet& results, bool recovered) {
    fit(study, decimal, results);
    if (results.PendienteCero)
        return std::nullopt;
    analyse(study, decimal, results);
    return validationStatistics(readLevels(study, decimal), results.regression, results.anova,
                                results.residuals, recovered);
}

} // namespace linealidad
