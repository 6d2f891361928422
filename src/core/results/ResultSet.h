#pragma once

#include "core/stats/Results.h"
#include "core/study/Study.h"

namespace linealidad {

// The records a sequence of computations fills: the fit, the analysis of variance, the
// zero-slope flag both report, and the residual arrays. A set is never cleared: each
// computation writes its fields and leaves the others as an earlier one left them, so whoever
// owns a set (the main window's commands share one) sees exactly that history.
struct ResultSet {
    ResultadosRegresion regression;
    ResultadosAnova anova;
    bool PendienteCero = false;
    Residuals residuals;
};

// CalculaRegresion into the set.
void fit(const Study& study, char decimal, ResultSet& results);

// CalculaAnova, with the residual analysis, into the set.
void analyse(const Study& study, char decimal, ResultSet& results);

} // namespace linealidad
