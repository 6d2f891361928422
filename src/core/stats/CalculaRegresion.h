#pragma once

#include "core/stats/Observations.h"
#include "core/stats/Results.h"

namespace linealidad {

// Fits Y = mX + b to a study's observations by least squares and gives the inference on slope
// and intercept at 95 % confidence. The program's formulas on the raw sums give the figures, or the
// sums around the means where the raw sums would lose digits (chooseFormulas, FormulaChoice.h).
// When the slope comes out exactly zero, `PendienteCero` is set and only the slope and intercept
// are written. Arithmetic faults throw where they occur, leaving the fields written before them.
void CalculaRegresion(const Observations& data, ResultadosRegresion& R, bool& PendienteCero);

} // namespace linealidad
