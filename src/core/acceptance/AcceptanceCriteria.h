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
    QuantificationLimit    // 10·Sy/x/|m|, at most the limit when there is one
};

struct AcceptanceCriterion {
    CriterionKind kind;
    // The bound the value is held to. None for the interval criteria, which have no number,
    // and for the detection and quantification limits shown only for information.
    std::optional<double> limit;

    bool operator==(const AcceptanceCriterion&) const = default;
};

// r² ≥ 0.98, CV ≤ 2 %, slope interval excludes 0, intercept interval contains 0, lack of fit
// p ≥ 0.05, |studentized residual| ≤ 3, detection and quantification limits without a limit.
std::vector<AcceptanceCriterion> defaultCriteria();

// The Spanish name shown in the window, on the printed page and by the command-line tool.
std::string criterionName(CriterionKind kind);

// Whether the criterion is held to a number (the interval criteria are not) and whether that
// number may be left out (the detection and quantification limits).
bool takesLimit(CriterionKind kind);
bool limitIsOptional(CriterionKind kind);
// Why `limit` cannot bound a criterion of `kind` ("debe estar entre 0 y 1", "no puede ser
// negativo"), if it cannot: the criteria text and the criteria dialog refuse the same limits.
std::optional<std::string> limitProblem(CriterionKind kind, double limit);

// The criteria as the user's settings and a criteria file hold them: a "[criterios]" line,
// then one line per criterion in the order shown, "clave" or "clave = límite" (README,
// "Archivo de criterios").
std::string criteriaText(const std::vector<AcceptanceCriterion>& criteria);

// The criteria of a text written by criteriaText or by hand. A malformed text gives a Spanish
// message naming the line at fault.
std::variant<std::vector<AcceptanceCriterion>, std::string>
readCriteriaText(const std::string& text);

} // namespace linealidad
