#pragma once

#include "core/charts/ChartModel.h"
#include "core/results/ResultSet.h"
#include "core/study/Study.h"

namespace linealidad {

// The sequence of each chart command, written once beside the result commands: the study's
// numbers read once, the computation written into `results`, then the chart's curves added to
// `model` (emptied by the caller). Conversion and arithmetic faults propagate from where they
// occur.

// The regression chart: the fit, then the observations and the fitted line.
void regressionChartCommand(const Study& study, char decimal, ResultSet& results,
                            ChartModel& model);

// The residuals chart: the fit and the residual analysis, then the studentized residuals and
// the zero line.
void residualsChartCommand(const Study& study, char decimal, ResultSet& results, ChartModel& model);

} // namespace linealidad
