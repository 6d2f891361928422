#pragma once

#include "core/charts/ChartModel.h"
#include "core/study/Study.h"

namespace linealidad::test {

// Five levels of two replicates at X = 80..120, each pair one unit either side of Y = 2X - 10:
// m = 2, b = -10, Sx/y = sqrt(1.25), CV = 0.588 %, r² = 8000/8010.
Study studyOfFive();

// The regression chart as its command fills it from studyOfFive: the fitted line as curve 2,
// the data as curve 1.
void fillRegression(ChartModel& m);

} // namespace linealidad::test
