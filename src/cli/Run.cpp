#include "cli/Run.h"

#include "cli/Views.h"
#include "core/study/StudyFile.h"
#include "core/study/TableImport.h"
#include "core/study/ValidaEstudio.h"
#include "core/text/Errors.h"

namespace linealidad::cli {

int run(const Command& command, Output& output) {
    try {
        const Study study = command.table ? readTableFile(command.file) : readStudy(command.file);
        if (const auto problem = ValidaEstudio(study))
            return output.fail(problem->message);
        return showView(command.view, study, command.decimal, output);
    } catch (const FileError& e) {
        // The system's message does not say which file; on a command line that matters.
        return output.fail(genericReportText(command.file + ": " + e.what()));
    } catch (const StudyFormatError& e) {
        return output.fail(e.what());
    } catch (const Fault& e) {
        return output.fail(genericReportText(e.what()));
    }
}

} // namespace linealidad::cli
