#include "cli/Views.h"

#include "core/results/ReportText.h"
#include "core/results/ZeroSlope.h"
#include "core/stats/CalculaAnova.h"
#include "core/stats/CalculaRegresion.h"

namespace linealidad::cli {

int reportView(const Study& study, char decimal, Output& output) {
    ResultadosRegresion R;
    bool zeroSlope = false;
    CalculaRegresion(study, decimal, R, zeroSlope);
    if (zeroSlope)
        return output.fail(kZeroSlopeMessage);
    // The report window holds lines 1 to 31 before the analysis of variance runs.
    output.lines(reportStudyAndInference(study, decimal, R));
    ResultadosAnova A;
    Residuals residuals;
    CalculaAnova(study, decimal, A, zeroSlope, residuals);
    output.lines(reportVarianceAndResiduals(study, decimal, R, A, residuals));
    return kSuccess;
}

} // namespace linealidad::cli
