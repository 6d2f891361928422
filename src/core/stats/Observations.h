#pragma once

#include "core/study/Study.h"

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

// The five raw sums of a study's first n observations, read in row order, X before Y.
struct Sums {
    double x = 0, x2 = 0, y = 0, y2 = 0, xy = 0;
};
Sums sumObservations(const Study& study, int n, char decimal);

// The least-squares slope, and the intercept for that slope, from the raw sums.
double slope(const Sums& s, int n);
double intercept(const Sums& s, double slope, int n);

} // namespace linealidad
