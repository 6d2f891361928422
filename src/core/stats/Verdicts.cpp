#include "core/stats/Verdicts.h"

#include <cmath>

namespace linealidad {

// The extended-precision 0.05 lies between the double nearest to 0.05 (just above the true
// value) and the double below it, so "p ≤ 0.05 held in extended precision" is exactly
// "p < the double 0.05" for every double p; the same holds for 0.01. Comparing in doubles
// gives the same classes on every machine, whatever its long double.
bool atMostFivePercent(double p) {
    return p < 0.05;
}
bool atMostOnePercent(double p) {
    return p < 0.01;
}

Relation relationClass(double p) {
    if (atMostOnePercent(p))
        return Relation::HighlySignificant;
    if (atMostFivePercent(p))
        return Relation::Significant;
    return Relation::NoDependence;
}

LinearModel modelClass(double q) {
    return atMostFivePercent(q) ? LinearModel::NotAdequate : LinearModel::Adequate;
}

Origin originVerdict(const ResultadosRegresion& R, double PRegresion) {
    const double tb = std::fabs(R.TcalOrdenada);
    if (tb < R.TTabla)
        return Origin::Passes;
    return atMostFivePercent(PRegresion) ? Origin::DoesNotPass : Origin::NoVerdict;
}

} // namespace linealidad
