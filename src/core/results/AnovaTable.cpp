#include "core/results/AnovaTable.h"

#include "core/results/ResultFormats.h"
#include "core/results/VerdictSentences.h"
#include "core/stats/Verdicts.h"

namespace linealidad {

using results::G6;

AnovaCells anovaCells(char decimal, const ResultadosAnova& A) {
    auto g = [decimal](double value) { return G6(value, decimal); };
    AnovaCells c{{
        {"         FUENTE", "    GRADOS", "      SUMA", "     MEDIA", "", ""},
        {"             DE", "        DE", "        DE", "        DE", "      fcal", "     Pfcal"},
        {"      VARIACIÓN", "  LIBERTAD", " CUADRADOS", " CUADRADOS", "", ""},
        {"REGRESIÓN", "1", g(A.SCRegresion), g(A.MCRegresion), g(A.FRegresion), g(A.PRegresion)},
        {"ERROR DE REGRESIÓN", g(A.GLError), g(A.SCError), g(A.MCError), "", ""},
        {},
        {},
    }};
    // The lack-of-fit and pure-error fields hold stale values when there is no pure error.
    if (A.GLErrorPuro != 0) {
        c[5] = {"FALTA DE AJUSTE",  g(A.GLFaltaAjuste), g(A.SCFaltaAjuste),
                g(A.MCFaltaAjuste), g(A.FFaltaAjuste),  g(A.PFaltaAjuste)};
        c[6] = {"ERROR PURO", g(A.GLErrorPuro), g(A.SCErrorPuro), g(A.MCErrorPuro), "", ""};
    }
    return c;
}

std::vector<std::string> anovaSentences(const Study& study, const ResultadosAnova& A) {
    if (A.GLErrorPuro != 0)
        return sentencesWithPureError(study, A);
    return {relationSentence(study, relationClass(A.PRegresion))};
}

} // namespace linealidad
