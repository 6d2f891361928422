#include "cli/Views.h"

#include "core/results/ResultCommands.h"
#include "core/results/ZeroSlope.h"
#include "core/text/TabSeparated.h"

namespace linealidad::cli {

int anovaView(const Study& study, char decimal, Output& output) {
    ResultSet results;
    const std::optional<VarianceText> text = varianceCommand(study, decimal, results);
    if (!text)
        return output.fail(kZeroSlopeMessage);
    for (const auto& row : text->cells)
        output.line(joinCells(row));
    output.lines(text->sentences);
    return kSuccess;
}

} // namespace linealidad::cli
