#pragma once

#include "core/stats/Results.h"
#include "core/study/Study.h"

#include <optional>
#include <string>
#include <vector>

namespace linealidad {

// The text of the inference window (`TFinfo`): slope and intercept with their confidence
// limits and t statistics, the standard deviation of regression, the coefficient of variation
// and r², then the verdict on whether the line passes through the origin.

constexpr int kInferenceLines = 13;

// Lines 0 to 12 of the memo, from the regression record. `TTabla` is not shown.
std::vector<std::string> inferenceLines(char decimal, const ResultadosRegresion& R);

// The origin sentence, judged from |TcalOrdenada| against TTabla and the probability of the
// regression F ratio; nothing when there is no verdict.
std::optional<std::string> inferenceOriginSentence(const Study& study, const ResultadosRegresion& R,
                                                   double PRegresion);

// What the memo holds when the command ends: lines 0 to 12, the memo's initial empty line
// (index 13, pushed down by the insertions) and the origin sentence, if any, at index 14.
std::vector<std::string> inferenceMemo(const Study& study, char decimal,
                                       const ResultadosRegresion& R, const ResultadosAnova& A);

// What the memo holds when the analysis of variance faults after the lines were written:
// lines 0 to 12 and the empty line, no origin sentence.
std::vector<std::string> inferenceMemoWithoutAnova(char decimal, const ResultadosRegresion& R);

} // namespace linealidad
