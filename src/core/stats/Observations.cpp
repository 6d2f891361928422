#include "core/stats/Observations.h"

#include "core/stats/CheckedArithmetic.h"
#include "core/text/NumberParse.h"

namespace linealidad {

using arithmetic::checked;
using arithmetic::divide;

int observationCount(const Study& study) {
    long long n = 0;
    for (int i = 1; i < study.stgniveles.colCount(); ++i)
        n += replicates(study, i);
    return static_cast<int>(n);
}

int replicates(const Study& study, int level) {
    return parseInteger(study.stgniveles.cell(level, 1));
}

double readX(const Study& study, int j, char decimal) {
    return parseFloat(study.stgdatos.cell(1, j), decimal);
}

double readY(const Study& study, int j, char decimal) {
    return parseFloat(study.stgdatos.cell(2, j), decimal);
}

Observations readObservations(const Study& study, int n, char decimal) {
    Observations data;
    for (int j = 1; j <= n; ++j) {
        data.x.push_back(readX(study, j, decimal));
        data.y.push_back(readY(study, j, decimal));
    }
    return data;
}

Sums rawSums(const Observations& data) {
    Sums s;
    for (std::size_t j = 0; j < data.x.size(); ++j) {
        const double x = data.x[j];
        const double y = data.y[j];
        s.x += x;
        s.x2 += x * x;
        s.y += y;
        s.y2 += y * y;
        s.xy += x * y;
    }
    return s;
}

double slope(const Sums& s, int n) {
    const double numerator = checked(checked(n * s.xy) - checked(s.x * s.y));
    const double denominator = checked(checked(n * s.x2) - checked(s.x * s.x));
    return divide(numerator, denominator);
}

double intercept(const Sums& s, double slope, int n) {
    return divide(checked(s.y - checked(slope * s.x)), n);
}

} // namespace linealidad
