#include "core/acceptance/AcceptanceVerdict.h"

#include "core/results/ResultFormats.h"
#include "core/stats/Observations.h"
#include "core/text/NumberParse.h"

#include <algorithm>
#include <cmath>

namespace linealidad {

namespace {

using results::G6;

// The value a reader sees: rounded to six significant digits, read back with the separator it
// was written with, so the judgement is the same whatever the process locale.
double shown(double value) {
    return parseFloat(G6(value, '.'), '.');
}

struct Judged {
    std::string value;
    std::string limit;
    std::optional<bool> passes;
};

Judged atLeast(double value, double limit, char decimal) {
    return {G6(value, decimal), "≥ " + G6(limit, decimal), shown(value) >= shown(limit)};
}

Judged atMost(double value, double limit, char decimal) {
    return {G6(value, decimal), "≤ " + G6(limit, decimal), shown(value) <= shown(limit)};
}

Judged atMostIfLimited(double value, std::optional<double> limit, char decimal) {
    if (limit)
        return atMost(value, *limit, decimal);
    return {G6(value, decimal), "", std::nullopt};
}

std::string interval(double low, double high, char decimal) {
    return "[" + G6(low, decimal) + "; " + G6(high, decimal) + "]";
}

double largestAbsolute(const std::vector<double>& values, std::size_t count) {
    double largest = 0;
    for (std::size_t i = 0; i < std::min(count, values.size()); ++i)
        largest = std::max(largest, std::abs(values[i]));
    return largest;
}

Judged judge(const AcceptanceCriterion& c, const Study& study, char decimal,
             const ResultSet& results) {
    const ResultadosRegresion& R = results.regression;
    const ResultadosAnova& A = results.anova;
    const double perSlope = R.DesvRegresion / std::abs(R.Pendiente);
    switch (c.kind) {
    case CriterionKind::Determination:
        return atLeast(R.R2, c.limit.value_or(0), decimal);
    case CriterionKind::RegressionCv:
        // Negative when the responses are: the criterion bounds its size.
        return atMost(std::abs(R.CoefVariacion), c.limit.value_or(0), decimal);
    case CriterionKind::SlopeExcludesZero:
        return {interval(R.LimInfPendiente, R.LimSupPendiente, decimal), "excluye 0",
                R.LimInfPendiente > 0 || R.LimSupPendiente < 0};
    case CriterionKind::InterceptContainsZero:
        return {interval(R.LimInfOrdenada, R.LimSupOrdenada, decimal), "contiene 0",
                R.LimInfOrdenada <= 0 && 0 <= R.LimSupOrdenada};
    case CriterionKind::LackOfFit:
        if (A.GLErrorPuro == 0)
            return {"no aplicable (sin error puro)", "≥ " + G6(c.limit.value_or(0), decimal),
                    std::nullopt};
        return atLeast(A.PFaltaAjuste, c.limit.value_or(0), decimal);
    case CriterionKind::StudentizedResiduals:
        return atMost(
            largestAbsolute(results.residuals.Estudentizado,
                            static_cast<std::size_t>(std::max(0, observationCount(study)))),
            c.limit.value_or(0), decimal);
    case CriterionKind::DetectionLimit:
        return atMostIfLimited(3.3 * perSlope, c.limit, decimal);
    case CriterionKind::QuantificationLimit:
        return atMostIfLimited(10 * perSlope, c.limit, decimal);
    }
    return {};
}

} // namespace

std::optional<AcceptanceVerdict>
evaluateAcceptance(const Study& study, char decimal,
                   const std::vector<AcceptanceCriterion>& criteria, ResultSet& results) {
    fit(study, decimal, results);
    if (results.PendienteCero)
        return std::nullopt;
    analyse(study, decimal, results);
    AcceptanceVerdict verdict{{}, true};
    for (const AcceptanceCriterion& c : criteria) {
        Judged j = judge(c, study, decimal, results);
        verdict.passes = verdict.passes && j.passes.value_or(true);
        verdict.outcomes.push_back(
            {c.kind, criterionName(c.kind), std::move(j.value), std::move(j.limit), j.passes});
    }
    return verdict;
}

} // namespace linealidad
