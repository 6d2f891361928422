#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace linealidad {

// The criteria of a lab's protocol against which a study is accepted or rejected.
enum class CriterionKind {
    Determination,         // r² at least the limit
    RegressionCv,          // coefficient of variation of the regression (%) at most the limit
    SlopeExcludesZero,     // the slope's confidence interval leaves 0 out
    InterceptContainsZero, // the intercept's confidence interval holds 0
    LackOfFit,             // lack-of-fit p at least the limit (needs pure error)
    StudentizedResiduals,  // largest |studentized residual| at most the limit
    DetectionLimit,        // 3.3·Sy/x/|m|, at most the limit when there is one
    QuantificationLimit,   // 10·Sy/x/|m|, at most the limit when there is one
    // The validation statistics, applied only when a lab's criteria name them.
    VarianceHomogeneity, // Levene's p at least the limit
    MandelLinearity,     // Mandel's p at least the limit
    ResidualNormality,   // Shapiro-Wilk's p of the residuals at least the limit
    LevelCv,             // every level's CV % at most the limit
    LevelRelativeError,  // every level's |error relativo %| at most the limit
    ResponseFactorCv,    // the response factor's CV % at most the limit
    RecoveryInterval     // the mean recovery within [limit; upper] (with the recovery ticked)
};

struct AcceptanceCriterion {
    CriterionKind kind;
    // The bound the value is held to. None for the interval criteria, which have no number,
    // and for the detection and quantification limits shown only for information.
    std::optional<double> limit;
    // The upper end of an interval criterion, whose lower end is `limit`.
    std::optional<double> upper = std::nullopt;

    bool operator==(const AcceptanceCriterion&) const = default;
};

// r² ≥ 0.98, CV ≤ 2 %, slope interval excludes 0, intercept interval contains 0, lack of fit
// p ≥ 0.05, |studentized residual| ≤ 3, detection and quantification limits without a limit.
std::vector<AcceptanceCriterion> defaultCriteria();

// The criterion as the criteria dialog proposes it when a lab ticks it: its default when it is
// one, otherwise a limit protocols commonly ask for (p ≥ 0.05, CV and error ≤ 2 %, response
// factor CV ≤ 5 %, recovery between 98 % and 102 %).
AcceptanceCriterion proposedCriterion(CriterionKind kind);

// The Spanish name shown in the window, on the printed page and by the command-line tool.
std::string criterionName(CriterionKind kind);

// Every criterion, in the order the window, the settings and the criteria text list them.
std::vector<CriterionKind> allCriterionKinds();

// Whether the criterion is held to a number (the interval criteria are not), whether that
// number may be left out (the detection and quantification limits), and whether it is held
// between two numbers, "inferior;superior" (the mean recovery).
bool takesLimit(CriterionKind kind);
// Whether the value is held to at least its limit (r² and the probabilities), rather than at
// most.
bool takesMinimum(CriterionKind kind);
bool limitIsOptional(CriterionKind kind);
bool takesInterval(CriterionKind kind);
// Why `limit` cannot bound a criterion of `kind` ("debe estar entre 0 y 1", "no puede ser
// negativo"), if it cannot: the criteria text and the criteria dialog refuse the same limits.
std::optional<std::string> limitProblem(CriterionKind kind, double limit);
// Why `lower` and `upper` cannot be the ends of an interval criterion, if they cannot.
std::optional<std::string> intervalProblem(double lower, double upper);

// The criteria as the user's settings and a criteria file hold them: a "[criterios]" line,
// then one line per criterion in the order shown, "clave", "clave = límite" or
// "clave = inferior;superior" (README, "Archivo de criterios").
std::string criteriaText(const std::vector<AcceptanceCriterion>& criteria);

// The criteria of a text written by criteriaText or by hand. A malformed text gives a Spanish
// message naming the line at fault.
std::variant<std::vector<AcceptanceCriterion>, std::string>
readCriteriaText(const std::string& text);

} // namespace linealidad
