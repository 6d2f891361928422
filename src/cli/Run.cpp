#include "cli/Run.h"

#include "cli/Views.h"
#include "core/study/StudyFile.h"
#include "core/study/TableImport.h"
#include "core/study/ValidaEstudio.h"
#include "core/text/Errors.h"

namespace linealidad::cli {

int run(const Command& command, Output& output) {
    if (command.view == View::verification)
        return verificationView(command.decimal, output);
    try {
        const Study study =
            command.table ? readTableFile(command.file).study : readStudy(command.file);
        if (const auto problem = ValidaEstudio(study))
            return output.fail(problem->message);
        return showView(study, command, output);
    } catch (const Fault& e) {
        return output.fail(commandLineMessage(e, command.file));
    }
}

} // namespace linealidad::cli
