#include "cli/Views.h"

#include "core/acceptance/AcceptanceVerdict.h"
#include "core/acceptance/CriteriaFile.h"
#include "core/results/ZeroSlope.h"
#include "core/text/Errors.h"

namespace linealidad::cli {

int verdictView(const Study& study, const Command& command, Output& output) {
    std::vector<AcceptanceCriterion> criteria = defaultCriteria();
    if (command.criteria) {
        try {
            criteria = readCriteriaFile(*command.criteria);
        } catch (const Fault& e) {
            return output.fail(commandLineMessage(e, *command.criteria));
        }
    }
    ResultSet results;
    const std::optional<AcceptanceVerdict> verdict =
        evaluateAcceptance(study, command.decimal, criteria, results, command.recovered);
    if (!verdict)
        return output.fail(kZeroSlopeMessage);
    for (const CriterionOutcome& o : verdict->outcomes)
        output.line(o.name + '\t' + o.value + '\t' + o.limit + '\t' +
                    (o.passes ? verdictWord(*o.passes) : ""));
    output.line(std::string("DICTAMEN: ") + verdictWord(verdict->passes));
    return kSuccess;
}

} // namespace linealidad::cli
