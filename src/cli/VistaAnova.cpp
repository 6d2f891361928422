#include "Vistas.h"

#include "results/PendienteCero.h"
#include "results/TablaAnova.h"
#include "stats/CalculaAnova.h"

namespace linealidad::cli {

namespace {

std::string unidaPorTabuladores(const std::array<std::string, kColumnasAnova>& celdas) {
    std::string fila = celdas[0];
    for (std::size_t c = 1; c < celdas.size(); ++c)
        fila += '\t' + celdas[c];
    return fila;
}

} // namespace

int vistaAnova(const Study& estudio, char decimal, Salida& salida) {
    ResultadosAnova A;
    Residuales residuales;
    bool pendienteCero = false;
    CalculaAnova(estudio, decimal, A, pendienteCero, residuales);
    if (pendienteCero)
        return salida.falla(kMensajePendienteCero);
    for (const auto& fila : celdasAnova(decimal, A))
        salida.linea(unidaPorTabuladores(fila));
    salida.lineas(oracionesAnova(estudio, A));
    return kCorrecto;
}

} // namespace linealidad::cli
