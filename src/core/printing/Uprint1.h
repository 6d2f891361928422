#pragma once

#include "core/printing/Sheet.h"
#include "core/printing/SheetWriter.h"
#include "core/stats/Results.h"
#include "core/study/Study.h"

#include <vector>

// The laser layout of the three printed reports: the general-information page, the inference
// page and the analysis-of-variance page with the residuals. Each is one sheet at the lines and
// columns of the layout, or more when a table does not fit above the footer.
namespace linealidad::Uprint1 {

// The header every sheet starts with: "ARIAL" at 12 points, the two centred title lines and
// the rule below them.
void ImprimeEncabezado(SheetWriter& out);

// The study's general information, its levels grid and its data grid. A number-of-levels
// text that is not an integer throws the conversion error.
std::vector<Sheet> ImprimeGeneral(const Study& study);

// The inference on slope and intercept, and the origin sentence decided on PRegresion.
std::vector<Sheet> ImprimeInferencia(const Study& study, char decimal, const ResultadosRegresion& R,
                                     const ResultadosAnova& A);

// The variance table, its verdict sentences and the residual table with the studentized
// residuals.
std::vector<Sheet> ImprimeAnova(const Study& study, char decimal, const ResultadosAnova& A,
                                const Residuals& residuals);

} // namespace linealidad::Uprint1
