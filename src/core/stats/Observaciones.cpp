#include "stats/Observaciones.h"

#include "stats/Aritmetica.h"
#include "text/NumberParse.h"

namespace linealidad {

using aritmetica::comprobado;
using aritmetica::dividir;

int numeroObservaciones(const Study& study) {
    long long n = 0;
    for (int i = 1; i < study.stgniveles.colCount(); ++i)
        n += replicas(study, i);
    return static_cast<int>(n);
}

int replicas(const Study& study, int nivel) {
    return parseInteger(study.stgniveles.cell(nivel, 1));
}

double leeX(const Study& study, int j, char decimal) {
    return parseFloat(study.stgdatos.cell(1, j), decimal);
}

double leeY(const Study& study, int j, char decimal) {
    return parseFloat(study.stgdatos.cell(2, j), decimal);
}

Sumas sumaObservaciones(const Study& study, int n, char decimal) {
    Sumas s;
    for (int j = 1; j <= n; ++j) {
        const double x = leeX(study, j, decimal);
        const double y = leeY(study, j, decimal);
        s.x = comprobado(s.x + x);
        s.x2 = comprobado(s.x2 + comprobado(x * x));
        s.y = comprobado(s.y + y);
        s.y2 = comprobado(s.y2 + comprobado(y * y));
        s.xy = comprobado(s.xy + comprobado(x * y));
    }
    return s;
}

double pendiente(const Sumas& s, int n) {
    const double numerador = comprobado(comprobado(n * s.xy) - comprobado(s.x * s.y));
    const double denominador = comprobado(comprobado(n * s.x2) - comprobado(s.x * s.x));
    return dividir(numerador, denominador);
}

double ordenada(const Sumas& s, double pendiente, int n) {
    return dividir(comprobado(s.y - comprobado(pendiente * s.x)), n);
}

} // namespace linealidad
