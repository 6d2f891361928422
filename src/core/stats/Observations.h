#pragma once

#include <vector>

namespace linealidad {

// The observations of one level, in row order.
struct Level {
    std::vector<double> x, y;
};

// The numbers of a study, converted from its texts once at the start of a command
// (readObservations, StudyObservations.h): every computation takes these, never the texts.
struct Observations {
    // X and Y of the n observations, in row order.
    std::vector<double> x, y;
    // The observations grouped into the study's levels, in level order.
    std::vector<Level> levels;
};

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
