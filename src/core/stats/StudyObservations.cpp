#include "core/stats/StudyObservations.h"

#include "core/text/NumberParse.h"

#include <limits>

namespace linealidad {
namespace {

int replicates(const Study& study, int level) {
    return parseInteger(study.stgniveles.cell(level, 1));
}

int observationCount(const Study& study) {
    long long n = 0;
    for (int i = 1; i < study.stgniveles.colCount(); ++i)
        n += replicates(study, i);
    return static_cast<int>(n);
}

double number(const Study& study, int column, int row, char decimal) {
    return parseFloat(study.stgdatos.cell(column, row), decimal);
}

// X (column 1) or Y (column 2) of data row `row`: from the observations already read, or, for
// a row beyond them, from its text (empty where no grid row is). Only a negative replicate
// count, which the capture checks let through, makes a level reach beyond the observations;
// the rows are counted in long long, so such counts cannot overflow.
double rowNumber(const Study& study, const std::vector<double>& read, int column, long long row,
                 char decimal) {
    if (row >= 1 && static_cast<unsigned long long>(row) <= read.size())
        return read[static_cast<std::size_t>(row - 1)];
    if (row < 0 || row > std::numeric_limits<int>::max())
        return parseFloat(std::string(), decimal);
    return number(study, column, static_cast<int>(row), decimal);
}

std::vector<Level> levelsOf(const Study& study, const Observations& data, char decimal) {
    const int count = parseInteger(study.eniveles);
    std::vector<Level> levels;
    long long end = 0;
    for (int i = 1; i <= count; ++i) {
        Level& level = levels.emplace_back();
        const long long first = end + 1;
        end += replicates(study, i);
        for (long long row = first; row <= end; ++row) {
            level.x.push_back(rowNumber(study, data.x, 1, row, decimal));
            level.y.push_back(rowNumber(study, data.y, 2, row, decimal));
        }
    }
    return levels;
}

} // namespace

Observations readObservations(const Study& study, char decimal) {
    Observations data;
    const int n = observationCount(study);
    for (int row = 1; row <= n; ++row) {
        data.x.push_back(number(study, 1, row, decimal));
        data.y.push_back(number(study, 2, row, decimal));
    }
    data.levels = levelsOf(study, data, decimal);
    return data;
}

} // namespace linealidad
