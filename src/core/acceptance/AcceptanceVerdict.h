#pragma once

#include "core/acceptance/AcceptanceCriteria.h"
#include "core/results/ResultSet.h"
#include "core/study/Study.h"

#include <optional>
#include <string>
#include <vector>

namespace linealidad {

// One criterion judged on a study, with its value and limit as they are shown (general format,
// six significant digits, the study's decimal separator).
struct CriterionOutcome {
    CriterionKind kind;
    std::string name;
    std::string value; // the figure, an interval "[a; b]", or why the criterion does not apply
    std::string limit; // the condition, "≥ 0.98", "excluye 0"; empty for an informative row
    // None when the row is only informative (a detection limit without a limit) or the
    // criterion does not apply (lack of fit without pure error): such rows do not count.
    std::optional<bool> passes;
};

struct AcceptanceVerdict {
    std::vector<CriterionOutcome> outcomes;
    bool passes; // every counted criterion passes
};

// The verdict words.
inline constexpr const char* kPassesWord = "CUMPLE";
inline constexpr const char* kFailsWord = "NO CUMPLE";
inline const char* verdictWord(bool passes) {
    return passes ? kPassesWord : kFailsWord;
}

// The computation sequence of the verdict, written once for the window, the printed page and
// the command-line tool: the study's numbers, the validation statistics' sequence
// (CalculaRegresion, then CalculaAnova with the residual analysis into `results`, then the
// statistics; `recovered` as for them), then each criterion in the order given. Nothing when the
// slope is zero (callers say kZeroSlopeMessage); conversion and arithmetic faults propagate as for
// the other result commands. The lack of fit is judged on its exact probability.
//
// Numbers are compared as they are shown, rounded to six significant digits, so the verdict
// never contradicts the figures beside it; a value equal to its limit passes.
std::optional<AcceptanceVerdict>
evaluateAcceptance(const Study& study, char decimal,
                   const std::vector<AcceptanceCriterion>& criteria, ResultSet& results,
                   bool recovered = false);

} // namespace linealidad
