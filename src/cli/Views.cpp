#include "cli/Views.h"

namespace linealidad::cli {

int showView(const Study& study, const Command& command, Output& output) {
    const char decimal = command.decimal;
    switch (command.view) {
    case View::inference:
        return inferenceView(study, decimal, output);
    case View::anova:
        return anovaView(study, decimal, output);
    case View::residuals:
        return residualsView(study, decimal, output);
    case View::verdict:
        return verdictView(study, command, output);
    case View::inverse:
        return inverseView(study, command, output);
    case View::validation:
        return validationView(study, command, output);
    case View::report:
    case View::verification: // reads no study: run() shows it before any is read
        break;
    }
    return reportView(study, decimal, output);
}

} // namespace linealidad::cli
