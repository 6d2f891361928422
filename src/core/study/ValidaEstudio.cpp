#include "core/study/ValidaEstudio.h"

#include "core/study/FieldChecks.h"
#include "core/text/NumberParse.h"

namespace linealidad {

std::optional<StudyProblem> ValidaEstudio(const Study& study) {
    using C = StudyControl;
    if (study.eniveles.empty())
        return StudyProblem{"Falta capturar el número de niveles", 1, C::eniveles, std::nullopt};

    const int levels = parseInteger(study.eniveles);
    if (levels < kMinimumLevels || levels > kMaximumValidLevels)
        return StudyProblem{"Datos fuera de rango, 3-10 Niveles", 1, C::eniveles, std::nullopt};

    // The replicate cells are checked over the grid's width, not over N; the next check then
    // catches a grid whose width does not match N.
    if (auto problem = checkReplicatesPresent(study))
        return problem;
    if (auto problem = checkReplicateCells(study))
        return problem;
    if (auto problem = checkReplicatesPositive(study))
        return problem;
    if (auto problem = checkReplicateSum(study))
        return problem;

    // The counts add up to the data rows, so every row is an observation.
    static const char* const names[] = {"", " de la cantidad adicionada",
                                        " de la propiedad medida"};
    for (int column = 1; column <= 2; ++column)
        for (int row = 1; row < study.stgdatos.rowCount(); ++row)
            if (study.stgdatos.cell(column, row).empty())
                return StudyProblem{"Falta el dato " + std::to_string(row) + names[column], 2,
                                    C::stgdatos, GridCell{.col = column, .row = row}};
    return std::nullopt;
}

} // namespace linealidad
