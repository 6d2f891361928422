#include "cli/Views.h"

namespace linealidad::cli {

int showView(View view, const Study& study, char decimal, Output& output) {
    switch (view) {
    case View::inference:
        return inferenceView(study, decimal, output);
    case View::anova:
        return anovaView(study, decimal, output);
    case View::residuals:
        return residualsView(study, decimal, output);
    case View::verdict:
        return verdictView(study, decimal, defaultCriteria(), output);
    case View::report:
    case View::inverse: // takes the whole command: run() shows it
    case View::verification:
        break;
    }
    return reportView(study, decimal, output);
}

} // namespace linealidad::cli
