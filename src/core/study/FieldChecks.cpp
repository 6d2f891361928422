#include "core/study/FieldChecks.h"

#include "core/text/NumberParse.h"

namespace linealidad {
namespace {

using C = StudyControl;

// The problem with the tab of the control it sends the focus to, and the cell it is in.
StudyProblem at(C control, std::string message, std::optional<GridCell> cell = std::nullopt) {
    return StudyProblem{std::move(message), control == C::stgdatos ? 2 : 1, control, cell};
}

// The replicate count of a level, in the levels grid.
GridCell countCell(int level) {
    return {.col = level, .row = 1};
}

// The levels as the replicates grid holds them, one column each after the row titles.
int gridLevels(const Study& study) {
    return study.stgniveles.colCount() - 1;
}

// A level without observations (or with fewer than none) has no mean and no variation: its
// count makes every grouping of the rows wrong, so no count below one is taken.
constexpr int kMinimumReplicates = 1;
constexpr const char* kTooFewReplicates = "Datos fuera de rango, minimo 1 Réplica";

const std::string& replicateCount(const Study& study, int level) {
    return study.stgniveles.cell(level, 1);
}

} // namespace

std::optional<StudyProblem> checkLevelsOnExit(const Study& study, const Study* asRead) {
    const std::string& value = study.eniveles;
    if (value.empty())
        return at(C::eniveles, "Falta capturar número de Niveles");
    if (!isInteger(value))
        return at(C::eniveles, "El valor de captura no es un valor numérico.");
    // The number read from a file is held to the validation's range, and told that range.
    const bool read = asRead && value == asRead->eniveles;
    const int n = parseInteger(value);
    if (n < kMinimumLevels || n > (read ? kMaximumValidLevels : kMaximumTypedLevels))
        return at(C::eniveles, read ? "Datos fuera de rango, 3-10 Niveles"
                                    : "Datos fuera de rango, 3-5 Niveles");
    return std::nullopt;
}

std::optional<StudyProblem> checkReplicatesOnExit(const Study& study, char decimal,
                                                  const Study* asRead) {
    for (int i = 1; i <= gridLevels(study); ++i) {
        const std::string n = std::to_string(i);
        if (replicateCount(study, i).empty())
            return at(C::stgniveles, "Falta el dato " + n, countCell(i));
        if (!isFloat(replicateCount(study, i), decimal))
            return at(C::stgniveles, "El dato" + n + " no es un valor numérico.", countCell(i));
    }
    // A count with a fraction passes the check above and fails here as an integer.
    auto read = [&](int level) {
        return asRead && level <= gridLevels(*asRead) &&
               replicateCount(study, level) == replicateCount(*asRead, level);
    };
    for (int i = 1; i <= gridLevels(study); ++i) {
        const int count = parseInteger(replicateCount(study, i));
        if (count < kMinimumReplicates)
            return at(C::stgniveles, kTooFewReplicates, countCell(i));
        if (count > kMaximumTypedReplicates && !read(i))
            return at(C::stgniveles, "Datos fuera de rango, maximo 5 Réplicas", countCell(i));
    }
    return std::nullopt;
}

std::optional<StudyProblem> checkReplicatesPositive(const Study& study) {
    for (int i = 1; i <= gridLevels(study); ++i)
        if (parseInteger(replicateCount(study, i)) < kMinimumReplicates)
            return at(C::stgniveles, kTooFewReplicates, countCell(i));
    return std::nullopt;
}

std::optional<StudyProblem> checkReplicateCells(const Study& study) {
    if (parseInteger(study.eniveles) != gridLevels(study))
        return at(C::eniveles, "El número de celdas de captura para las replicaciones, no "
                               "coincide con el número de niveles.");
    return std::nullopt;
}

std::optional<StudyProblem> checkReplicatesPresent(const Study& study) {
    for (int i = 1; i <= gridLevels(study); ++i)
        if (replicateCount(study, i).empty())
            return at(C::stgniveles, "Falta la replicación en el nivel " + std::to_string(i),
                      countCell(i));
    return std::nullopt;
}

std::optional<StudyProblem> checkReplicateSum(const Study& study) {
    long long total = 0;
    for (int i = 1; i <= gridLevels(study); ++i)
        total += parseInteger(replicateCount(study, i));
    if (total != study.stgdatos.rowCount() - 1)
        return at(C::stgniveles, "El número de celdas de captura para los datos, no coincide "
                                 "con el número de replicas por nivel.");
    return std::nullopt;
}

std::optional<StudyProblem> checkDataOnEnter(const Study& study) {
    if (auto problem = checkReplicateCells(study))
        return problem;
    if (auto problem = checkReplicatesPresent(study))
        return problem;
    return checkReplicateSum(study);
}

std::optional<StudyProblem> checkDataOnExit(const Study& study, char decimal) {
    const StringGrid& g = study.stgdatos;
    for (int column = 1; column <= 2; ++column) {
        for (int row = 1; row < g.rowCount(); ++row) {
            const std::string& value = g.cell(column, row);
            const GridCell cell{.col = column, .row = row};
            if (value.empty())
                return at(C::stgdatos, "Falta capturar un dato ", cell);
            if (!isFloat(value, decimal))
                return at(C::stgdatos, "Algun dato capturado no es un valor numérico.", cell);
        }
    }
    return std::nullopt;
}

} // namespace linealidad
