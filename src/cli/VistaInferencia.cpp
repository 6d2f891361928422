#include "Vistas.h"

#include "results/Inferencia.h"
#include "results/PendienteCero.h"
#include "stats/CalculaAnova.h"
#include "stats/CalculaRegresion.h"

namespace linealidad::cli {

int vistaInferencia(const Study& estudio, char decimal, Salida& salida) {
    ResultadosRegresion R;
    bool pendienteCero = false;
    CalculaRegresion(estudio, decimal, R, pendienteCero);
    if (pendienteCero)
        return salida.falla(kMensajePendienteCero);
    // The window shows its lines before the analysis of variance, which only decides the
    // origin sentence, runs.
    salida.lineas(memoInferenciaSinAnova(decimal, R));
    ResultadosAnova A;
    Residuales residuales;
    CalculaAnova(estudio, decimal, A, pendienteCero, residuales);
    if (const auto oracion = oracionOrigenInferencia(estudio, R, A.PRegresion))
        salida.linea(*oracion);
    return kCorrecto;
}

} // namespace linealidad::cli
