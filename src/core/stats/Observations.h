#pragma once

#include "core/study/Study.h"

#include <vector>

namespace linealidad {

// Reading the numbers of a study from its texts, at the moment of use. Conversions that fail
// throw ConversionError.

// n: the sum of the replicate cells over the levels grid's columns.
int observationCount(const Study& study);

// The replicate count of level i (1-based).
int replicates(const Study& study, int level);

// X and Y of observation j (1-based).
double readX(const Study& study, int j, char decimal);
double readY(const Study& study, int j, char decimal);

// The X and Y of a study's first n observations, read in row order, X before Y.
struct Observations {
    std::vector<double> x, y;
};
Observations readObservations(const Study& study, int n, char decimal);

// The five raw sums of the observations, added in row order. Not checked: a sum that leaves
// the range of doubles is one of the things the choice of formulas looks at.
struct Sums {
    double x = 0, x2 = 0, y = 0, y2 = 0, xy = 0;
};
Sums rawSums(const Observations& data);

// The least-squares slope, and the intercept for that slope, from the raw sums.
double slope(const Sums& s, int n);
double intercept(const Sums& s, double slope, int n);

} // namespace linealidad
