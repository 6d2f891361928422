#include "stats/ProbabilidadF.h"

#include "stats/Aritmetica.h"

#include <cmath>
#include <utility>

namespace linealidad {

using aritmetica::comprobado;
using aritmetica::dividir;
using aritmetica::raiz;

double Potencia(double x, double y) {
    return aritmetica::exponencial(comprobado(y * aritmetica::ln(x)));
}

namespace {

// The upper tail for x ≥ 1; never more than 0.5, since z is an absolute value.
double colaSuperior(double x, double d1, double d2) {
    const double dosNovenos = 2.0 / 9.0;
    const double a1 = dividir(dosNovenos, d1);
    const double a2 = dividir(dosNovenos, d2);
    const double numerador = std::fabs(comprobado((1 - a2) * Potencia(x, 0.333) - 1 + a1));
    double z = dividir(numerador, raiz(comprobado(a2 * Potencia(x, 0.666) + a1)));
    if (d2 < 4)
        z = comprobado(z * (1 + dividir(0.08 * Potencia(z, 4), Potencia(d2, 3))));
    const double polinomio = 1 + z * (0.196854 + z * (0.115194 + z * (0.000344 + z * 0.019527)));
    return dividir(0.5, Potencia(comprobado(polinomio), 4));
}

} // namespace

double ProbabilidadF(double F, double d1, double d2) {
    if (F <= 0)
        return 1;
    if (F < 1) {
        std::swap(d1, d2);
        return 1 - colaSuperior(dividir(1.0, F), d1, d2);
    }
    return colaSuperior(F, d1, d2);
}

} // namespace linealidad
