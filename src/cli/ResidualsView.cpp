#include "cli/Views.h"

#include "core/results/ResidualColumns.h"
#include "core/results/ZeroSlope.h"
#include "core/stats/CalculaAnova.h"

namespace linealidad::cli {

int residualsView(const Study& study, char decimal, Output& output) {
    ResultadosAnova A;
    Residuals residuals;
    bool zeroSlope = false;
    CalculaAnova(study, decimal, A, zeroSlope, residuals);
    if (zeroSlope)
        return output.fail(kZeroSlopeMessage);
    const ResidualColumns c = residualColumns(study, decimal, residuals);
    for (std::size_t k = 0; k < c.memoR.size(); ++k)
        output.line(c.memoR[k] + '\t' + c.Memo1R[k] + '\t' + c.Memo2R[k] + '\t' + c.Memo3R[k]);
    return kSuccess;
}

} // namespace linealidad::cli
