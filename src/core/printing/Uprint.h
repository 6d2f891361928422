#pragma once

#include "core/printing/Sheet.h"
#include "core/printing/SheetWriter.h"
#include "core/stats/Results.h"
#include "core/study/Study.h"

#include <vector>

// The deskjet layout of the three printed reports: the laser layout's pages with the client's
// name in the header, upper-case titles, labels and sentences, a body of 11 points, no
// signature lines, no studentized residuals, and a left margin of `FactorMargen` U for most
// body lines; drawn from the layout's description (PageLayout).
namespace linealidad::Uprint {

// The margin factor for the selection of `SELECMAR` ("1 cm", "1.5 cm", "2.0 cm"): 1, 3 or 5
// U; with no item selected, `previous`. The captions name centimetres; the factor does not
// convert them.
int FactorMargen(int SELECMARIndex, int previous);

void ImprimeEncabezado(SheetWriter& out);

std::vector<Sheet> ImprimeGeneral(const Study& study, int FactorMargen);

std::vector<Sheet> ImprimeInferencia(const Study& study, char decimal, int FactorMargen,
                                     const ResultadosRegresion& R, const ResultadosAnova& A);

std::vector<Sheet> ImprimeAnova(const Study& study, char decimal, int FactorMargen,
                                const ResultadosAnova& A, const Residuals& residuals);

} // namespace linealidad::Uprint
