#pragma once

#include "core/acceptance/AcceptanceVerdict.h"
#include "core/printing/Sheet.h"
#include "core/printing/SheetWriter.h"
#include "core/results/ValidationSections.h"
#include "core/stats/Results.h"
#include "core/study/Study.h"

#include <vector>

// The laser layout of the printed reports: the general-information page, the inference page,
// the analysis-of-variance page with the residuals, the acceptance verdict and the validation
// statistics, drawn from the layout's description (PageLayout). Each is one sheet at the lines
// and columns of the layout, or more when a table does not fit above the footer; a sheet that
// continues a page names the study's method at 12 L, so a table continued there takes its
// heading at 13 L.
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

// The acceptance verdict: a table of criterion, value, limit and result, the overall verdict,
// the study's method, analyst and date, and the lines where the lab signs it off (prepared,
// reviewed, approved: name, signature and date each).
std::vector<Sheet> ImprimeDictamen(const Study& study, const AcceptanceVerdict& verdict);

// The validation statistics, each part with its title: a table's headings and rows, or a list
// of figures, continuing on further sheets with the part's title and headings again; then the
// closing block of a page signed off, on a sheet of its own when the last does not have room.
std::vector<Sheet> ImprimeValidacion(const Study& study,
                                     const std::vector<ValidationSection>& sections);

} // namespace linealidad::Uprint1
