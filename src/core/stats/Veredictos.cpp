#include "stats/Veredictos.h"

#include <cmath>

namespace linealidad {

// The extended-precision 0.05 lies between the double nearest to 0.05 (just above the true
// value) and the double below it, so "p ≤ 0.05 held in extended precision" is exactly
// "p < the double 0.05" for every double p; the same holds for 0.01. Comparing in doubles
// gives the same classes on every machine, whatever its long double.
bool hastaCincoPorCiento(double p) {
    return p < 0.05;
}
bool hastaUnoPorCiento(double p) {
    return p < 0.01;
}

Relacion claseRelacion(double p) {
    if (hastaUnoPorCiento(p))
        return Relacion::AltamenteSignificativa;
    if (hastaCincoPorCiento(p))
        return Relacion::Significativa;
    return Relacion::SinDependencia;
}

ModeloLineal claseModelo(double q) {
    return hastaCincoPorCiento(q) ? ModeloLineal::NoAdecuado : ModeloLineal::Adecuado;
}

Origen veredictoOrigen(const ResultadosRegresion& R, double PRegresion) {
    const double tb = std::fabs(R.TcalOrdenada);
    if (tb < R.TTabla)
        return Origen::Pasa;
    return hastaCincoPorCiento(PRegresion) ? Origen::NoPasa : Origen::SinVeredicto;
}

} // namespace linealidad
