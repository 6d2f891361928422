#pragma once

#include "core/stats/Results.h"
#include "core/study/Study.h"

#include <array>
#include <string>
#include <vector>

namespace linealidad {

// The text of the analysis-of-variance window (`TfinfoA`): the variance table of the grid
// `stganova` and the verdict sentences of the memo `memoa`.

constexpr int kAnovaRows = 7;
constexpr int kAnovaColumns = 6;

// The grid's cells, indexed [row][column]: three heading rows right-aligned with blanks, then
// regression, error of regression, lack of fit and pure error. Cells without a value are
// empty; the lack-of-fit and pure-error rows stay empty when the study has no pure error.
using AnovaCells = std::array<std::array<std::string, kAnovaColumns>, kAnovaRows>;
AnovaCells anovaCells(char decimal, const ResultadosAnova& A);

// The memo's sentences: with pure error, the relation and (when there is a relation) the
// linear model; without it, the relation alone.
std::vector<std::string> anovaSentences(const Study& study, const ResultadosAnova& A);

} // namespace linealidad
