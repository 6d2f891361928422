#pragma once

#include "core/stats/NotApplicable.h"
#include "core/stats/StudyLevels.h"

#include <vector>

namespace linealidad {

// Bartlett's test: χ² with k - 1 degrees of freedom.
struct BartlettTest {
    double chiSquared = 0;
    int df = 0;
    double p = 0;
};

// Levene's test centred on the medians (Brown and Forsythe): the one-way analysis of variance
// of |Y - mediana del nivel|.
struct LeveneTest {
    double F = 0;
    int df1 = 0;
    int df2 = 0;
    double p = 0;
};

// Cochran's C, the largest variance over their sum, and its critical value at 5 %
// 1/(1 + (k - 1)/F(1 - 0.05/k; n - 1, (n - 1)(k - 1))), only for levels of equal replicates.
struct CochranTest {
    double C = 0;
    Applicable<double> critical;
};

struct VarianceHomogeneity {
    Applicable<BartlettTest> bartlett;
    Applicable<LeveneTest> levene;
    Applicable<CochranTest> cochran;
};

// Whether the levels' responses share one variance, over the levels with at least 2
// replicates. None of the tests applies with fewer than 2 such levels or when one of them has
// identical replicates (a variance of zero).
VarianceHomogeneity varianceHomogeneity(const std::vector<Level>& levels);

} // namespace linealidad
