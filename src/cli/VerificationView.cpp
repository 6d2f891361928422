#include "cli/Views.h"

#include "core/text/TabSeparated.h"
#include "core/verification/Verification.h"
#include "core/verification/VerificationText.h"

namespace linealidad::cli {

int verificationView(char decimal, Output& output) {
    const std::vector<CheckOutcome> outcomes = runChecks(shippedDataSets());
    for (const CheckOutcome& outcome : outcomes) {
        const std::vector<std::string> cells = checkCells(outcome, decimal);
        output.line(joinCells(cells));
    }
    output.line(summaryLine(outcomes));
    return passedCount(outcomes) == static_cast<int>(outcomes.size()) ? kSuccess : kFailure;
}

} // namespace linealidad::cli
