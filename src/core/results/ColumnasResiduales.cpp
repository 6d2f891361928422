#include "results/ColumnasResiduales.h"

#include "results/FormatoResultados.h"
#include "text/NumberFormat.h"

#include <algorithm>

namespace linealidad {

using resultados::G6;

std::size_t lineasDeResiduales(const Study& study, const Residuales& r) {
    const auto filas = static_cast<std::size_t>(std::max(study.stgdatos.rowCount() - 1, 0));
    return std::min({filas, r.Observacion.size(), r.Pronostico.size(), r.Residual.size(),
                     r.Estudentizado.size()});
}

ColumnasResiduales columnasResiduales(const Study& study, char decimal, const Residuales& r) {
    ColumnasResiduales c{{"****", "Observación"},
                         {"****", "Pronóstico para Y"},
                         {"****", "Residuales"},
                         {"Residuos", "Estudentizados"}};
    const std::size_t lineas = lineasDeResiduales(study, r);
    for (std::size_t i = 0; i < lineas; ++i) {
        c.memoR.push_back(std::string(11, ' ') + formatInteger(r.Observacion[i]));
        c.Memo1R.push_back(G6(r.Pronostico[i], decimal));
        c.Memo2R.push_back(G6(r.Residual[i], decimal));
        c.Memo3R.push_back(G6(r.Estudentizado[i], decimal));
    }
    return c;
}

} // namespace linealidad
