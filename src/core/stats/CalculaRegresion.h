#pragma once

#include "core/stats/Results.h"
#include "core/study/Study.h"

namespace linealidad {

// Fits Y = mX + b to the study by least squares and gives the inference on slope and
// intercept at 95 % confidence, reading the study's texts afresh. Expects a study that passed
// ValidaEstudio. The program's formulas on the raw sums give the figures, or the sums around
// the means where the raw sums would lose digits (chooseFormulas, FormulaChoice.h). When the
// slope comes out exactly zero, `PendienteCero` is set and only the slope and intercept are
// written. Conversion and arithmetic faults throw where they occur,
// leaving the fields written before them.
void CalculaRegresion(const Study& study, char decimal, ResultadosRegresion& R,
                      bool& PendienteCero);

} // namespace linealidad
