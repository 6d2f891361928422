#include "cli/Views.h"

#include "core/results/ResultCommands.h"
#include "core/results/ZeroSlope.h"

namespace linealidad::cli {

namespace {

std::string joinedByTabs(const std::array<std::string, kAnovaColumns>& cells) {
    std::string row = cells[0];
    for (std::size_t c = 1; c < cells.size(); ++c)
        row += '\t' + cells[c];
    return row;
}

} // namespace

int anovaView(const Study& study, char decimal, Output& output) {
    ResultSet results;
    const std::optional<VarianceText> text = varianceCommand(study, decimal, results);
    if (!text)
        return output.fail(kZeroSlopeMessage);
    for (const auto& row : text->cells)
        output.line(joinedByTabs(row));
    output.lines(text->sentences);
    return kSuccess;
}

} // namespace linealidad::cli
