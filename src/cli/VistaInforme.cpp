#include "Vistas.h"

#include "results/Informe.h"
#include "results/PendienteCero.h"
#include "stats/CalculaAnova.h"
#include "stats/CalculaRegresion.h"

namespace linealidad::cli {

int vistaInforme(const Study& estudio, char decimal, Salida& salida) {
    ResultadosRegresion R;
    bool pendienteCero = false;
    CalculaRegresion(estudio, decimal, R, pendienteCero);
    if (pendienteCero)
        return salida.falla(kMensajePendienteCero);
    // The report window holds lines 1 to 31 before the analysis of variance runs.
    salida.lineas(informeEstudioEInferencia(estudio, decimal, R));
    ResultadosAnova A;
    Residuales residuales;
    CalculaAnova(estudio, decimal, A, pendienteCero, residuales);
    salida.lineas(informeVarianzaYResiduales(estudio, decimal, R, A, residuales));
    return kCorrecto;
}

} // namespace linealidad::cli
