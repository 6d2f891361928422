#include "core/printing/PrintedPages.h"

#include "core/acceptance/AcceptanceVerdict.h"
#include "core/printing/Uprint.h"
#include "core/printing/Uprint1.h"
#include "core/results/ValidationCommand.h"
#include "core/stats/StudyObservations.h"

namespace linealidad {
namespace {

std::vector<Sheet> general(PrintLayout layout, const Study& study, int margin) {
    return layout == PrintLayout::Laser ? Uprint1::ImprimeGeneral(study)
                                        : Uprint::ImprimeGeneral(study, margin);
}

std::vector<Sheet> inference(PrintLayout layout, const Study& study, char decimal, int margin,
                             const ResultSet& r) {
    return layout == PrintLayout::Laser
               ? Uprint1::ImprimeInferencia(study, decimal, r.regression, r.anova)
               : Uprint::ImprimeInferencia(study, decimal, margin, r.regression, r.anova);
}

// The deskjet page prints no studentized residuals, though they are computed.
std::vector<Sheet> variance(PrintLayout layout, const Study& study, char decimal, int margin,
                            const ResultSet& r) {
    return layout == PrintLayout::Laser
               ? Uprint1::ImprimeAnova(study, decimal, r.anova, r.residuals)
               : Uprint::ImprimeAnova(study, decimal, margin, r.anova, r.residuals);
}

} // namespace

std::optional<std::vector<Sheet>>
composePage(PrintLayout layout, PageChoice page, const Study& study, char decimal, int FactorMargen,
            ResultSet& results, const std::vector<AcceptanceCriterion>& criteria, bool recovered) {
    switch (page) {
    case PageChoice::General:
        return general(layout, study, FactorMargen);
    case PageChoice::Inference: {
        const Observations data = readObservations(study, decimal);
        fit(data, results);
        analyse(data, results);
        if (results.PendienteCero)
            return std::nullopt;
        return inference(layout, study, decimal, FactorMargen, results);
    }
    case PageChoice::Variance:
        analyse(readObservations(study, decimal), results);
        if (results.PendienteCero)
            return std::nullopt;
        return variance(layout, study, decimal, FactorMargen, results);
    case PageChoice::Acceptance:
        if (const auto verdict = evaluateAcceptance(study, decimal, criteria, results, recovered))
            return Uprint1::ImprimeDictamen(study, *verdict);
        return std::nullopt;
    case PageChoice::Validation:
        if (const auto statistics = validationCommand(study, decimal, results, recovered))
            return Uprint1::ImprimeValidacion(study, validationSections(*statistics, decimal));
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace linealidad
