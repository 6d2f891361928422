#include "results/TablaAnova.h"

#include "results/FormatoResultados.h"
#include "results/OracionesVeredicto.h"
#include "stats/Veredictos.h"

namespace linealidad {

using resultados::G6;

CeldasAnova celdasAnova(char decimal, const ResultadosAnova& A) {
    auto g = [decimal](double value) { return G6(value, decimal); };
    CeldasAnova c{{
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

std::vector<std::string> oracionesAnova(const Study& study, const ResultadosAnova& A) {
    if (A.GLErrorPuro != 0)
        return oracionesConErrorPuro(study, A);
    return {oracionRelacion(study, claseRelacion(A.PRegresion))};
}

} // namespace linealidad
