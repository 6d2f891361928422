#pragma once

#include "core/stats/Results.h"
#include "core/study/Study.h"

#include <string>
#include <vector>

namespace linealidad {

// The text of the report window (`Tfrminforme`): the whole study and all its results as plain
// lines. The report is written in two parts because the window exists, holding the first,
// before the analysis of variance runs; when that faults the window keeps the first part.

// Lines 1 to 31: general information, levels and replicates, the data, and the inference on
// slope and intercept. Texts of the study are copied as they stand.
std::vector<std::string> reportStudyAndInference(const Study& study, char decimal,
                                                 const ResultadosRegresion& R);

// Lines 32 onwards: the origin verdict, the analysis of variance with its verdicts and, when
// the study has pure error, the residual analysis.
std::vector<std::string> reportVarianceAndResiduals(const Study& study, char decimal,
                                                    const ResultadosRegresion& R,
                                                    const ResultadosAnova& A,
                                                    const Residuals& residuals);

// The whole report, both parts.
std::vector<std::string> report(const Study& study, char decimal, const ResultadosRegresion& R,
                                const ResultadosAnova& A, const Residuals& residuals);

} // namespace linealidad
