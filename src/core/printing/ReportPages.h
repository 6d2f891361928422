#pragma once

#include "core/acceptance/AcceptanceVerdict.h"
#include "core/printing/PageLayout.h"
#include "core/printing/Sheet.h"
#include "core/printing/SheetWriter.h"
#include "core/results/ValidationSections.h"
#include "core/stats/Results.h"
#include "core/study/Study.h"

#include <vector>

namespace linealidad {

// The report pages as a layout's description (PageLayout) places and spells them. Each page is
// one sheet, or more when a table does not fit above the page's end.

void printHeader(SheetWriter& out, const PageHeader& header);

// The writer of a page of `layout` about `study`: the header on every sheet, then the body's
// type; a sheet that continues the page names the study's method.
SheetWriter reportWriter(const PageLayout& layout, const Study& study);

// The study's general information, its levels grid and its data grid. A number-of-levels text
// that is not an integer throws the conversion error.
std::vector<Sheet> generalPage(const PageLayout& layout, const Study& study);

// The inference on slope and intercept, and the origin sentence decided on PRegresion.
std::vector<Sheet> inferencePage(const PageLayout& layout, const Study& study, char decimal,
                                 const ResultadosRegresion& R, const ResultadosAnova& A);

// The variance table, its verdict sentences and the residual table.
std::vector<Sheet> variancePage(const PageLayout& layout, const Study& study, char decimal,
                                const ResultadosAnova& A, const Residuals& residuals);

// The acceptance verdict, for a layout that has the page and signs it off.
std::vector<Sheet> acceptancePage(const PageLayout& layout, const Study& study,
                                  const AcceptanceVerdict& verdict);

// The validation statistics part by part, then the closing block signed off, on a sheet of its
// own when the last does not have room; for a layout that has the page and signs it off.
std::vector<Sheet> validationPage(const PageLayout& layout, const Study& study,
                                  const std::vector<ValidationSection>& sections);

// The closing block of a page the lab signs off.
void printSignOff(SheetWriter& out, const SignOff& signOff, const Study& study);

} // namespace linealidad
