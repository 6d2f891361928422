#pragma once

#include "core/stats/NotApplicable.h"

#include <vector>

namespace linealidad {

// The Shapiro-Wilk test of normality: W near 1 for a normal sample, and the probability of a W
// this small or smaller if the sample were normal.
struct ShapiroWilkTest {
    double W = 0;
    double p = 0;
};

// By Royston's algorithm AS R94 (P. Royston, "Remark AS R94: A remark on Algorithm AS 181: The
// W-test for normality", Applied Statistics 44(4), 1995, 547-551): the coefficients from the
// expected normal order statistics with the polynomial corrections of the two (n > 5) or one
// extreme coefficients, W as the squared correlation of the coefficients and the ordered sample,
// and its probability by the normalising transformations of Royston (1992) for 4 to 11 and for
// 12 or more values; exact for 3. From 3 to 5000 values, not all equal.
Applicable<ShapiroWilkTest> shapiroWilk(std::vector<double> values);

} // namespace linealidad
