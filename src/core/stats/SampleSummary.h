#pragma once

#include "core/stats/NotApplicable.h"

#include <string>
#include <vector>

namespace linealidad {

// The mean of a sample, its standard deviation (n - 1 in the denominator) and its coefficient
// of variation, 100·DE/|media|, in percent.
struct SampleSummary {
    int count = 0;
    double mean = 0;
    Applicable<double> deviation;
    Applicable<double> variation;
};

// The summary of at least one value. One value has no deviation nor coefficient of variation
// (`singleValue` says why); a zero mean has no coefficient of variation. The values are measured
// from the first one, so identical values give a deviation of exactly zero and values far from
// zero keep their digits.
SampleSummary summarise(const std::vector<double>& values, const std::string& singleValue);

// The variance of at least two values, n - 1 in the denominator, measured from the first value
// as `summarise` measures them.
double sampleVariance(const std::vector<double>& values);

// `value` when it is a finite number; otherwise not applicable, the result being beyond the
// range of numbers.
Applicable<double> finite(double value);

} // namespace linealidad
