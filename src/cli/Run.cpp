#include "cli/Run.h"

#include "cli/Views.h"
#include "core/acceptance/CriteriaFile.h"
#include "core/study/StudyFile.h"
#include "core/study/TableImport.h"
#include "core/study/ValidaEstudio.h"
#include "core/text/Errors.h"

namespace linealidad::cli {

namespace {

// The verdict against the criteria file's criteria, or the defaults without one. A criteria
// file that cannot be read or is malformed ends the run with a message naming it.
int verdictOf(const Study& study, const Command& command, Output& output) {
    std::vector<AcceptanceCriterion> criteria = defaultCriteria();
    if (command.criteria) {
        try {
            criteria = readCriteriaFile(*command.criteria);
        } catch (const Fault& e) {
            return output.fail(commandLineMessage(e, *command.criteria));
        }
    }
    return verdictView(study, command.decimal, criteria, output);
}

} // namespace

int run(const Command& command, Output& output) {
    if (command.view == View::verification)
        return verificationView(command.decimal, output);
    try {
        const Study study = command.table ? readTableFile(command.file) : readStudy(command.file);
        if (const auto problem = ValidaEstudio(study))
            return output.fail(problem->message);
        if (command.view == View::verdict)
            return verdictOf(study, command, output);
        if (command.view == View::inverse)
            return inverseView(study, command, output);
        return showView(command.view, study, command.decimal, output);
    } catch (const Fault& e) {
        return output.fail(commandLineMessage(e, command.file));
    }
}

} // namespace linealidad::cli
