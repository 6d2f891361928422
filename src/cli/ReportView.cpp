#include "cli/Views.h"

#include "core/results/ResultCommands.h"
#include "core/results/ZeroSlope.h"

namespace linealidad::cli {

int reportView(const Study& study, char decimal, Output& output) {
    ResultSet results;
    if (!reportCommand(study, decimal, results, [&](const auto& lines) { output.lines(lines); }))
        return output.fail(kZeroSlopeMessage);
    return kSuccess;
}

} // namespace linealidad::cli
