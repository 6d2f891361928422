#pragma once

#include "core/stats/Observations.h"
#include "core/stats/Results.h"

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
void fit(const Observations& data, ResultSet& results);

// CalculaAnova, with the residual analysis, into the set.
void analyse(const Observations& data, ResultSet& results);

} // namespace linealidad
