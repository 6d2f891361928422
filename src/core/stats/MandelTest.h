#pragma once

#include "core/stats/NotApplicable.h"
#include "core/stats/StudyLevels.h"

namespace linealidad {

// Mandel's test of the straight line against the quadratic curve Y = a + bX + cX²:
// F = (SCres lineal - SCres cuadrática) / (SCres cuadrática/(N - 3)), with 1 and N - 3 degrees
// of freedom. A small p says the curve fits significantly better than the line.
struct MandelTest {
    double F = 0;
    int df2 = 0;
    double p = 0;
};

// Needs at least 4 observations and 3 different X, and a curve that does not pass through
// every point.
Applicable<MandelTest> mandelTest(const OffsetObservations& data);

} // namespace linealidad
