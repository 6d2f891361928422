#include "Vistas.h"

namespace linealidad::cli {

int muestraVista(Vista vista, const Study& estudio, char decimal, Salida& salida) {
    switch (vista) {
    case Vista::inferencia:
        return vistaInferencia(estudio, decimal, salida);
    case Vista::anova:
        return vistaAnova(estudio, decimal, salida);
    case Vista::residuales:
        return vistaResiduales(estudio, decimal, salida);
    case Vista::informe:
        break;
    }
    return vistaInforme(estudio, decimal, salida);
}

} // namespace linealidad::cli
