#pragma once

#include "core/stats/Results.h"

#include <string>

namespace linealidad {

// The texts both layouts of the printed pages share.

// The product line above the closing rule of every page.
inline constexpr const char* kProductLine = "TARVEL v. w 3.1";

// The labels of the study's method, analyst and date at the end of a page and at the top of a
// sheet that continues one.
inline const std::string kMethodLabel = "Nombre del método: ";
inline const std::string kAnalystLabel = "Nombre del Analista: ";
inline const std::string kDateLabel = "Fecha: ";

// The row of observation `i` (from 1) in a residual table: 8 blanks, its number, 28 blanks, the
// predicted Y, 30 blanks and the residual, then 30 blanks and the studentized residual when
// `studentized`. The numbers in general format of 5 digits, the columns kept apart by the runs
// of blanks only, so in a proportional font they do not line up exactly under their headings.
std::string residualRow(const Residuals& residuals, int i, char decimal, bool studentized);

} // namespace linealidad
