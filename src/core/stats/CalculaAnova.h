#pragma once

#include "core/stats/Observations.h"
#include "core/stats/Results.h"

namespace linealidad {

// The analysis of variance of the fitted line, with lack of fit and pure error when the study
// has replicates, and the residual analysis of every observation, from a study's observations
// (the line is refitted from its own sums, raw or around the means as chooseFormulas decides,
// so it is the line of CalculaRegresion). A slope of exactly zero sets `PendienteCero` and
// writes nothing else. Arithmetic faults throw where they occur (all X equal, a perfect fit, a
// level without replicates, a zero pure-error mean square).
void CalculaAnova(const Observations& data, ResultadosAnova& A, bool& PendienteCero,
                  Residuals& residuals);

} // namespace linealidad
