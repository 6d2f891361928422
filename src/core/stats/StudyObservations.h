#pragma once

#include "core/stats/Observations.h"
#include "core/study/Study.h"

namespace linealidad {

// The one place where a study's texts become the numbers the computations take, read once at
// the start of each command. Expects a study that passed ValidaEstudio.
//
// n is the sum of the replicate cells over the levels grid's columns; X and Y of rows 1 to n
// are read in row order, X before Y. The levels are the N levels of the number-of-levels text,
// level i owning rows S(i-1) + 1 to S(i), S(i) = r_1 + ... + r_i. A text that is not a number
// throws ConversionError with its message, and nothing is returned.
Observations readObservations(const Study& study, char decimal);

} // namespace linealidad
