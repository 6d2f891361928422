#include "core/results/ResultCommands.h"

#include "core/results/InferenceText.h"
#include "core/results/ReportText.h"

namespace linealidad {

bool inferenceCommand(const Study& study, char decimal, ResultSet& results, const LineSink& sink) {
    fit(study, decimal, results);
    if (results.PendienteCero)
        return false;
    sink(inferenceMemoWithoutAnova(decimal, results.regression));
    analyse(study, decimal, results);
    if (auto sentence =
            inferenceOriginSentence(study, results.regression, results.anova.PRegresion))
        sink({std::move(*sentence)});
    return true;
}

std::optional<VarianceText> varianceCommand(const Study& study, char decimal, ResultSet& results) {
    analyse(study, decimal, results);
    if (results.PendienteCero)
        return std::nullopt;
    return VarianceText{anovaCells(decimal, results.anova), anovaSentences(study, results.anova)};
}

std::optional<ResidualColumns> residualsCommand(const Study& study, char decimal,
                                                ResultSet& results) {
    analyse(study, decimal, results);
    if (results.PendienteCero)
        return std::nullopt;
    return residualColumns(study, decimal, results.residuals);
}

bool reportCommand(const Study& study, char decimal, ResultSet& results, const LineSink& sink) {
    fit(study, decimal, results);
    if (results.PendienteCero)
        return false;
    sink(reportStudyAndInference(study, decimal, results.regression));
    analyse(study, decimal, results);
    sink(reportVarianceAndResiduals(study, decimal, results.regression, results.anova,
                                    results.residuals));
    return true;
}

} // namespace linealidad
