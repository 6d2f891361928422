#include "cli/Views.h"

#include "core/results/AnovaTable.h"
#include "core/results/ZeroSlope.h"
#include "core/stats/CalculaAnova.h"

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
    ResultadosAnova A;
    Residuals residuals;
    bool zeroSlope = false;
    CalculaAnova(study, decimal, A, zeroSlope, residuals);
    if (zeroSlope)
        return output.fail(kZeroSlopeMessage);
    for (const auto& row : anovaCells(decimal, A))
        output.line(joinedByTabs(row));
    output.lines(anovaSentences(study, A));
    return kSuccess;
}

} // namespace linealidad::cli
