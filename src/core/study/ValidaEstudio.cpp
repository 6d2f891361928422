#include "study/ValidaEstudio.h"

#include "text/NumberParse.h"

namespace linealidad {

std::optional<ProblemaEstudio> ValidaEstudio(const Study& study) {
    using C = ControlEstudio;
    if (study.eniveles.empty())
        return ProblemaEstudio{"Falta capturar el número de niveles", 1, C::eniveles};

    const int niveles = parseInteger(study.eniveles);
    if (niveles < 3 || niveles > 10)
        return ProblemaEstudio{"Datos fuera de rango, 3-10 Niveles", 1, C::eniveles};

    // The replicate cells are checked over the grid's width, not over N; the next check then
    // catches a grid whose width does not match N.
    const int columnas = study.stgniveles.colCount() - 1;
    for (int i = 1; i <= columnas; ++i)
        if (study.stgniveles.cell(i, 1).empty())
            return ProblemaEstudio{"Falta la replicación en el nivel " + std::to_string(i), 1,
                                   C::stgniveles};

    if (niveles != columnas)
        return ProblemaEstudio{"El número de celdas de captura para las replicaciones, no "
                               "coincide con el número de niveles.",
                               1, C::eniveles};

    long long total = 0;
    for (int i = 1; i <= niveles; ++i)
        total += parseInteger(study.stgniveles.cell(i, 1));
    if (total != study.stgdatos.rowCount() - 1)
        return ProblemaEstudio{"El número de celdas de captura para los datos, no coincide con "
                               "el número de replicas por nivel.",
                               1, C::stgniveles};

    static const char* const nombres[] = {"", " de la cantidad adicionada",
                                          " de la propiedad medida"};
    for (int columna = 1; columna <= 2; ++columna)
        for (int fila = 1; fila <= total; ++fila)
            if (study.stgdatos.cell(columna, fila).empty())
                return ProblemaEstudio{"Falta el dato " + std::to_string(fila) + nombres[columna],
                                       2, C::stgdatos};
    return std::nullopt;
}

} // namespace linealidad
