#pragma once

#include "study/Study.h"

namespace linealidad {

// Reading the numbers of a study from its texts, at the moment of use. Conversions that fail
// throw ConversionError.

// n: the sum of the replicate cells over the levels grid's columns.
int numeroObservaciones(const Study& study);

// The replicate count of level i (1-based).
int replicas(const Study& study, int nivel);

// X and Y of observation j (1-based).
double leeX(const Study& study, int j, char decimal);
double leeY(const Study& study, int j, char decimal);

// The five raw sums of a study's first n observations, read in row order, X before Y.
struct Sumas {
    double x = 0, x2 = 0, y = 0, y2 = 0, xy = 0;
};
Sumas sumaObservaciones(const Study& study, int n, char decimal);

// The least-squares slope, and the intercept for that slope, from the raw sums.
double pendiente(const Sumas& s, int n);
double ordenada(const Sumas& s, double pendiente, int n);

} // namespace linealidad
