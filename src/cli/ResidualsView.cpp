#include "cli/Views.h"

#include "core/results/ResultCommands.h"
#include "core/results/ZeroSlope.h"

namespace linealidad::cli {

int residualsView(const Study& study, char decimal, Output& output) {
    ResultSet results;
    const std::optional<ResidualColumns> c = residualsCommand(study, decimal, results);
    if (!c)
        return output.fail(kZeroSlopeMessage);
    for (std::size_t k = 0; k < c->memoR.size(); ++k)
        output.line(c->memoR[k] + '\t' + c->Memo1R[k] + '\t' + c->Memo2R[k] + '\t' + c->Memo3R[k]);
    return kSuccess;
}

} // namespace linealidad::cli
