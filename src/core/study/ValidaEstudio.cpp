#include "core/study/ValidaEstudio.h"

#include "core/text/NumberParse.h"

namespace linealidad {

std::optional<StudyProblem> ValidaEstudio(const Study& study) {
    using C = StudyControl;
    if (study.eniveles.empty())
        return StudyProblem{"Falta capturar el número de niveles", 1, C::eniveles};

    const int levels = parseInteger(study.eniveles);
    if (levels < 3 || levels > 10)
        return StudyProblem{"Datos fuera de rango, 3-10 Niveles", 1, C::eniveles};

    // The replicate cells are checked over the grid's width, not over N; the next check then
    // catches a grid whose width does not match N.
    const int columns = study.stgniveles.colCount() - 1;
    for (int i = 1; i <= columns; ++i)
        if (study.stgniveles.cell(i, 1).empty())
            return StudyProblem{"Falta la replicación en el nivel " + std::to_string(i), 1,
                                C::stgniveles};

    if (levels != columns)
        return StudyProblem{"El número de celdas de captura para las replicaciones, no "
                            "coincide con el número de niveles.",
                            1, C::eniveles};

    long long total = 0;
    for (int i = 1; i <= levels; ++i)
        total += parseInteger(study.stgniveles.cell(i, 1));
    if (total != study.stgdatos.rowCount() - 1)
        return StudyProblem{"El número de celdas de captura para los datos, no coincide con "
                            "el número de replicas por nivel.",
                            1, C::stgniveles};

    static const char* const names[] = {"", " de la cantidad adicionada",
                                        " de la propiedad medida"};
    for (int column = 1; column <= 2; ++column)
        for (int row = 1; row <= total; ++row)
            if (study.stgdatos.cell(column, row).empty())
                return StudyProblem{"Falta el dato " + std::to_string(row) + names[column], 2,
                                    C::stgdatos};
    return std::nullopt;
}

} // namespace linealidad
