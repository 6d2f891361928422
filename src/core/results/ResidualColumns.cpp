#include "core/results/ResidualColumns.h"

#include "core/results/ResultFormats.h"
#include "core/text/NumberFormat.h"

#include <algorithm>

namespace linealidad {

using results::G6;

std::size_t residualLineCount(const Study& study, const Residuals& r) {
    const auto rows = static_cast<std::size_t>(std::max(study.stgdatos.rowCount() - 1, 0));
    return std::min({rows, r.Observacion.size(), r.Pronostico.size(), r.Residual.size(),
                     r.Estudentizado.size()});
}

ResidualColumns residualColumns(const Study& study, char decimal, const Residuals& r) {
    ResidualColumns c{{"****", "Observación"},
                      {"****", "Pronóstico para Y"},
                      {"****", "Residuales"},
                      {"Residuos", "Estudentizados"}};
    const std::size_t lines = residualLineCount(study, r);
    for (std::size_t i = 0; i < lines; ++i) {
        c.memoR.push_back(std::string(11, ' ') + formatInteger(r.Observacion[i]));
        c.Memo1R.push_back(G6(r.Pronostico[i], decimal));
        c.Memo2R.push_back(G6(r.Residual[i], decimal));
        c.Memo3R.push_back(G6(r.Estudentizado[i], decimal));
    }
    return c;
}

} // namespace linealidad
