#include "core/verification/Verification.h"

#include "core/results/ResultCommands.h"
#include "core/results/ZeroSlope.h"
#include "core/stats/StudyObservations.h"
#include "core/stats/ValidationStatistics.h"
#include "core/study/ValidaEstudio.h"
#include "core/text/Errors.h"
#include "core/verification/NorrisData.h"
#include "core/verification/OffsetData.h"
#include "core/verification/ValidationData.h"
#include "core/verification/WorkedExampleData.h"

#include <algorithm>
#include <cmath>

namespace linealidad {
namespace {

// The computations of the report into `results`, then the validation statistics with the
// recovery into `validation`; the reason when they stop.
std::optional<std::string> compute(const Study& study, ResultSet& results,
                                   ValidationStatistics& validation) {
    if (const auto problem = ValidaEstudio(study))
        return problem->message;
    try {
        if (!reportCommand(study, '.', results, [](const std::vector<std::string>&) {}))
            return std::string(kZeroSlopeMessage);
        // The report's fit and variance table are the ones the statistics start from.
        validation = validationStatistics(readObservations(study, '.').levels, results.regression,
                                          results.anova, results.residuals, true);
    } catch (const Fault& e) {
        return std::string(e.what());
    }
    return std::nullopt;
}

} // namespace

double agreementDigits(double expected, double obtained) {
    if (!std::isfinite(obtained))
        return 0;
    if (obtained == expected)
        return kMaximumAgreement;
    const double difference = std::fabs(obtained - expected);
    const double relative = expected == 0 ? difference : difference / std::fabs(expected);
    return std::clamp(-std::log10(relative), 0.0, kMaximumAgreement);
}

std::vector<ReferenceDataSet> shippedDataSets() {
    std::vector<ReferenceDataSet> sets{norrisDataSet(), workedExampleDataSet()};
    for (ReferenceDataSet& set : offsetDataSets())
        sets.push_back(std::move(set));
    for (ReferenceDataSet& set : validationDataSets())
        sets.push_back(std::move(set));
    return sets;
}

std::vector<CheckOutcome> runChecks(const std::vector<ReferenceDataSet>& dataSets) {
    std::vector<CheckOutcome> outcomes;
    for (const ReferenceDataSet& set : dataSets) {
        ResultSet results;
        ValidationStatistics validation;
        const std::optional<std::string> failure = compute(set.study, results, validation);
        for (const ReferenceValue& value : set.values) {
            CheckOutcome c;
            c.name = set.name + ": " + figureName(value.figure);
            c.expected = value.expected;
            c.required = value.digits;
            if (failure) {
                c.failure = *failure;
            } else {
                c.obtained = figureValue(value.figure, results, validation);
                c.digits = agreementDigits(value.expected, *c.obtained);
                c.passes = c.digits >= value.digits;
            }
            outcomes.push_back(std::move(c));
        }
    }
    return outcomes;
}

int passedCount(const std::vector<CheckOutcome>& outcomes) {
    return static_cast<int>(std::count_if(outcomes.begin(), outcomes.end(),
                                          [](const CheckOutcome& c) { return c.passes; }));
}

} // namespace linealidad
