#include "core/results/ResultCommands.h"

#include "core/results/InferenceText.h"
#include "core/results/ReportText.h"
#include "core/stats/StudyObservations.h"

namespace linealidad {

bool inferenceCommand(const Study& study, char decimal, ResultSet& results, const LineSink& sink) {
    const Observations data = readObservations(study, decimal);
    fit(data, results);
    if (results.PendienteCero)
        return false;
    sink(inferenceMemoWithoutAnova(decimal, results.regression));
    analyse(data, results);
    if (auto sentence =
            inferenceOriginSentence(study, results.regression, results.anova.PRegresion))
        sink({std::move(*sentence)});
    return true;
}

std::optional<VarianceText> varianceCommand(const Study& study, char decimal, ResultSet& results) {
    analyse(readObservations(study, decimal), results);
    if (results.PendienteCero)
        return std::nullopt;
    return VarianceText{anovaCells(decimal, results.anova), anovaSentences(study, results.anova)};
}

std::optional<ResidualColumns> residualsCommand(const Study& study, char decimal,
                                                ResultSet& results) {
    analyse(readObservations(study, decimal), results);
    if (results.PendienteCero)
        return std::nullopt;
    return residualColumns(study, decimal, results.residuals);
}

bool reportCommand(const Study& study, char decimal, ResultSet& results, const LineSink& sink) {
    const Observations data = readObservations(study, decimal);
    fit(data, results);
    if (results.PendienteCero)
        return false;
    sink(reportStudyAndInference(study, decimal, results.regression));
    analyse(data, results);
    sink(reportVarianceAndResiduals(study, decimal, results.regression, results.anova,
                                    results.residuals));
    return true;
}

} // namespace linealidad
