#include "cli/Views.h"

#include "core/acceptance/AcceptanceVerdict.h"
#include "core/results/ZeroSlope.h"

namespace linealidad::cli {

int verdictView(const Study& study, char decimal, const std::vector<AcceptanceCriterion>& criteria,
                Output& output) {
    ResultSet results;
    const std::optional<AcceptanceVerdict> verdict =
        evaluateAcceptance(study, decimal, criteria, results);
    if (!verdict)
        return output.fail(kZeroSlopeMessage);
    for (const CriterionOutcome& o : verdict->outcomes)
        output.line(o.name + '\t' + o.value + '\t' + o.limit + '\t' +
                    (o.passes ? verdictWord(*o.passes) : ""));
    output.line(std::string("DICTAMEN: ") + verdictWord(verdict->passes));
    return kSuccess;
}

} // namespace linealidad::cli
