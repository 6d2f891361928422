#pragma once

#include "core/charts/ChartModel.h"
#include "core/stats/Results.h"
#include "core/study/Study.h"

namespace linealidad {

// The fillers of the two charts: each adds to an emptied model what its chart shows of a
// study, with the axes named after the study's units of X and name of Y. X and Y are read
// from the study's texts in the `decimal` separator; a text that is not a number throws
// ConversionError, and the points added before it stay.

// The regression chart: curve 2 the fitted value of every data row, a solid line with an open
// circle on each; curve 1 the observations as open triangles without a line.
void fillRegressionChart(ChartModel& model, const Study& study,
                         const ResultadosRegresion& regression, char decimal);

// The residuals chart: curve 2 a solid zero line with an open circle at each row's X; curve 1
// the studentized residuals as open triangles without a line. Only the residuals the analysis
// holds are drawn: after a zero slope it wrote none, and what it holds may be fewer than the
// data rows.
void fillResidualsChart(ChartModel& model, const Study& study, const Residuals& residuals,
                        char decimal);

} // namespace linealidad
