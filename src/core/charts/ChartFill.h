#pragma once

#include "core/charts/ChartModel.h"
#include "core/stats/Observations.h"
#include "core/stats/Results.h"
#include "core/study/Study.h"

namespace linealidad {

// The fillers of the two charts: each adds to an emptied model what its chart shows of a
// study's observations (`data`, as its command read them), with the axes named after the
// study's units of X and name of Y.

// The regression chart: curve 2 the fitted value of every observation, a solid line with an
// open circle on each; curve 1 the observations as open triangles without a line.
void fillRegressionChart(ChartModel& model, const Study& study, const Observations& data,
                         const ResultadosRegresion& regression);

// The residuals chart: curve 2 a solid zero line with an open circle at each observation's X;
// curve 1 the studentized residuals as open triangles without a line. Only the residuals the
// analysis holds are drawn: after a zero slope it wrote none, and what it holds may be fewer
// than the observations.
void fillResidualsChart(ChartModel& model, const Study& study, const Observations& data,
                        const Residuals& residuals);

} // namespace linealidad
