#include "cli/Views.h"

#include "core/results/InverseCommand.h"
#include "core/results/ZeroSlope.h"
#include "core/text/TabSeparated.h"

namespace linealidad::cli {

int inverseView(const Study& study, const Command& command, Output& output) {
    ResultSet results;
    const std::optional<Calibration> calibration = inverseCommand(study, command.decimal, results);
    if (!calibration)
        return output.fail(kZeroSlopeMessage);
    for (double response : command.responses) {
        const std::vector<std::string> cells = inverseCells(
            response, calibration->predict(response, command.replicates), command.decimal);
        output.line(joinCells(cells));
    }
    return kSuccess;
}

} // namespace linealidad::cli
