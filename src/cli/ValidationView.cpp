#include "cli/Views.h"

#include "core/results/ValidationCommand.h"
#include "core/results/ValidationLines.h"
#include "core/results/ZeroSlope.h"

namespace linealidad::cli {

int validationView(const Study& study, const Command& command, Output& output) {
    ResultSet results;
    const std::optional<ValidationStatistics> statistics =
        validationCommand(study, command.decimal, results, command.recovered);
    if (!statistics)
        return output.fail(kZeroSlopeMessage);
    output.lines(validationLines(*statistics, command.decimal));
    return kSuccess;
}

} // namespace linealidad::cli
