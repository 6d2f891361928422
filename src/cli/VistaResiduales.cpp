#include "Vistas.h"

#include "results/ColumnasResiduales.h"
#include "results/PendienteCero.h"
#include "stats/CalculaAnova.h"

namespace linealidad::cli {

int vistaResiduales(const Study& estudio, char decimal, Salida& salida) {
    ResultadosAnova A;
    Residuales residuales;
    bool pendienteCero = false;
    CalculaAnova(estudio, decimal, A, pendienteCero, residuales);
    if (pendienteCero)
        return salida.falla(kMensajePendienteCero);
    const ColumnasResiduales c = columnasResiduales(estudio, decimal, residuales);
    for (std::size_t k = 0; k < c.memoR.size(); ++k)
        salida.linea(c.memoR[k] + '\t' + c.Memo1R[k] + '\t' + c.Memo2R[k] + '\t' + c.Memo3R[k]);
    return kCorrecto;
}

} // namespace linealidad::cli
