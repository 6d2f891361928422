#include "stats/CalculaRegresion.h"

#include "stats/Aritmetica.h"
#include "stats/Observaciones.h"
#include "stats/TablaT.h"

namespace linealidad {

using aritmetica::comprobado;
using aritmetica::dividir;
using aritmetica::raiz;

void CalculaRegresion(const Study& study, char decimal, ResultadosRegresion& R,
                      bool& PendienteCero) {
    PendienteCero = false;
    const int n = numeroObservaciones(study);
    const Sumas s = sumaObservaciones(study, n, decimal);

    const double m = pendiente(s, n);
    R.Pendiente = m;
    const double b = ordenada(s, m, n);
    R.Ordenada = b;
    if (m == 0) {
        PendienteCero = true;
        return;
    }

    const double cuadradoSumaY = comprobado(s.y * s.y);
    const double SCE = comprobado(comprobado(s.y2 - comprobado(m * s.xy)) - comprobado(b * s.y));
    const double SCT = comprobado(s.y2 - dividir(cuadradoSumaY, n));
    const double SCR = comprobado(comprobado(comprobado(m * s.xy) + comprobado(b * s.y)) -
                                  dividir(cuadradoSumaY, n));
    const double gl = n - 2;
    const double CME = dividir(SCE, gl);
    const double desviacion = raiz(CME);

    const double Sxx = comprobado(s.x2 - dividir(comprobado(s.x * s.x), n));
    const double errorPendiente = dividir(desviacion, raiz(Sxx));
    const double t = TablaT(n - 2);

    R.LimSupPendiente = comprobado(m + comprobado(t * errorPendiente));
    R.LimInfPendiente = comprobado(m - comprobado(t * errorPendiente));
    R.TcalPendiente = dividir(m, errorPendiente);

    // 1/n + x̄²/Sxx, in the order the program has always evaluated it.
    const double q =
        comprobado(dividir(dividir(dividir(comprobado(s.x * s.x), n), n), Sxx) + dividir(1.0, n));
    const double errorOrdenada = comprobado(raiz(q) * desviacion);
    R.LimSupOrdenada = comprobado(b + comprobado(t * errorOrdenada));
    R.LimInfOrdenada = comprobado(b - comprobado(t * errorOrdenada));
    R.TcalOrdenada = dividir(b, errorOrdenada);

    R.DesvRegresion = raiz(CME);
    R.CoefVariacion = dividir(comprobado(comprobado(desviacion * 100) * n), s.y);
    R.TTabla = t;
    R.R2 = dividir(SCR, SCT);
}

} // namespace linealidad
