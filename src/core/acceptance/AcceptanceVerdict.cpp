#include "core/acceptance/AcceptanceVerdict.h"

#include "core/results/ResultFormats.h"
#include "core/results/ValidationCells.h"
#include "core/results/ValidationCommand.h"
#include "core/stats/StudyObservations.h"
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

// A probability of the validation statistics held to a minimum, or why it does not apply.
template <typename Test, typename Probability>
Judged probabilityAtLeast(const Applicable<Test>& test, Probability p, std::optional<double> limit,
                          char decimal) {
    if (const Test* t = valueOf(test))
        return atLeast(p(*t), limit.value_or(0), decimal);
    return {notApplicableText(std::get<NotApplicable>(test)), "≥ " + G6(limit.value_or(0), decimal),
            std::nullopt};
}

// The largest of the figures that apply held to a maximum; when none applies, why the first
// does not.
Judged largestAtMost(const std::vector<Applicable<double>>& figures, std::optional<double> limit,
                     char decimal) {
    std::optional<double> largest;
    for (const Applicable<double>& f : figures)
        if (const double* v = valueOf(f))
            largest = std::max(largest.value_or(0), std::abs(*v));
    if (largest)
        return atMost(*largest, limit.value_or(0), decimal);
    const NotApplicable why =
        figures.empty() ? NotApplicable{"sin niveles"} : std::get<NotApplicable>(figures.front());
    return {notApplicableText(why), "≤ " + G6(limit.value_or(0), decimal), std::nullopt};
}

Judged meanRecovery(const AcceptanceCriterion& c, const ValidationStatistics& v, char decimal) {
    const std::string limit = interval(c.limit.value_or(0), c.upper.value_or(0), decimal);
    if (!v.recovery)
        return {notApplicableText({"Y no es la cantidad recuperada"}), limit, std::nullopt};
    const SampleSummary* s = valueOf(v.recovery->summary);
    if (!s)
        return {notApplicableText(std::get<NotApplicable>(v.recovery->summary)), limit,
                std::nullopt};
    return {G6(s->mean, decimal), limit,
            shown(c.limit.value_or(0)) <= shown(s->mean) &&
                shown(s->mean) <= shown(c.upper.value_or(0))};
}

// The criteria on the validation statistics.
Judged judgeValidation(const AcceptanceCriterion& c, const ValidationStatistics& v, char decimal) {
    std::vector<Applicable<double>> figures;
    switch (c.kind) {
    case CriterionKind::VarianceHomogeneity:
        return probabilityAtLeast(
            v.homogeneity.levene, [](const LeveneTest& t) { return t.p; }, c.limit, decimal);
    case CriterionKind::MandelLinearity:
        return probabilityAtLeast(
            v.mandel, [](const MandelTest& t) { return t.p; }, c.limit, decimal);
    case CriterionKind::ResidualNormality:
        return probabilityAtLeast(
            v.normality, [](const ShapiroWilkTest& t) { return t.p; }, c.limit, decimal);
    case CriterionKind::LevelCv:
        for (const LevelPrecision& level : v.levels)
            figures.push_back(level.y.variation);
        return largestAtMost(figures, c.limit, decimal);
    case CriterionKind::LevelRelativeError:
        for (const LevelPrecision& level : v.levels)
            figures.push_back(level.relativeError);
        return largestAtMost(figures, c.limit, decimal);
    case CriterionKind::ResponseFactorCv:
        if (const SampleSummary* f = valueOf(v.responseFactor))
            figures.push_back(f->variation);
        else
            figures.push_back(std::get<NotApplicable>(v.responseFactor));
        return largestAtMost(figures, c.limit, decimal);
    case CriterionKind::RecoveryInterval:
        return meanRecovery(c, v, decimal);
    default:
        return {};
    }
}

double largestAbsolute(const std::vector<double>& values, std::size_t count) {
    double largest = 0;
    for (std::size_t i = 0; i < std::min(count, values.size()); ++i)
        largest = std::max(largest, std::abs(values[i]));
    return largest;
}

Judged judge(const AcceptanceCriterion& c, std::size_t observations, char decimal,
             const ResultSet& results, const ValidationStatistics& validation) {
    const ResultadosRegresion& R = results.regression;
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
        return probabilityAtLeast(
            validation.lackOfFit, [](const ExactProbability& e) { return e.exact; }, c.limit,
            decimal);
    case CriterionKind::StudentizedResiduals:
        return atMost(largestAbsolute(results.residuals.Estudentizado, observations),
                      c.limit.value_or(0), decimal);
    case CriterionKind::DetectionLimit:
        return atMostIfLimited(3.3 * perSlope, c.limit, decimal);
    case CriterionKind::QuantificationLimit:
        return atMostIfLimited(10 * perSlope, c.limit, decimal);
    // Every kind is named, so that the compiler asks for a new one here.
    case CriterionKind::VarianceHomogeneity:
    case CriterionKind::MandelLinearity:
    case CriterionKind::ResidualNormality:
    case CriterionKind::LevelCv:
    case CriterionKind::LevelRelativeError:
    case CriterionKind::ResponseFactorCv:
    case CriterionKind::RecoveryInterval:
        break;
    }
    return judgeValidation(c, validation, decimal);
}

} // namespace

std::optional<AcceptanceVerdict>
evaluateAcceptance(const Study& study, char decimal,
                   const std::vector<AcceptanceCriterion>& criteria, ResultSet& results,
                   bool recovered) {
    const Observations data = readObservations(study, decimal);
    const std::optional<ValidationStatistics> validation =
        validationCommand(data, results, recovered);
    if (!validation)
        return std::nullopt;
    AcceptanceVerdict verdict{{}, true};
    for (const AcceptanceCriterion& c : criteria) {
        Judged j = judge(c, data.x.size(), decimal, results, *validation);
        verdict.passes = verdict.passes && j.passes.value_or(true);
        verdict.outcomes.push_back(
            {c.kind, criterionName(c.kind), std::move(j.value), std::move(j.limit), j.passes});
    }
    return verdict;
}

} // namespace linealidad
