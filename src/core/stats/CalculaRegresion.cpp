#include "core/stats/CalculaRegresion.h"

#include "core/stats/CheckedArithmetic.h"
#include "core/stats/Observations.h"
#include "core/stats/TablaT.h"

namespace linealidad {

using arithmetic::checked;
using arithmetic::divide;
using arithmetic::squareRoot;

void CalculaRegresion(const Study& study, char decimal, ResultadosRegresion& R,
                      bool& PendienteCero) {
    PendienteCero = false;
    const int n = observationCount(study);
    const Sums s = sumObservations(study, n, decimal);

    const double m = slope(s, n);
    R.Pendiente = m;
    const double b = intercept(s, m, n);
    R.Ordenada = b;
    if (m == 0) {
        PendienteCero = true;
        return;
    }

    const double squaredSumY = checked(s.y * s.y);
    const double SCE = checked(checked(s.y2 - checked(m * s.xy)) - checked(b * s.y));
    const double SCT = checked(s.y2 - divide(squaredSumY, n));
    const double SCR =
        checked(checked(checked(m * s.xy) + checked(b * s.y)) - divide(squaredSumY, n));
    const double gl = n - 2;
    const double CME = divide(SCE, gl);
    const double deviation = squareRoot(CME);

    const double Sxx = checked(s.x2 - divide(checked(s.x * s.x), n));
    const double slopeError = divide(deviation, squareRoot(Sxx));
    const double t = TablaT(n - 2);

    R.LimSupPendiente = checked(m + checked(t * slopeError));
    R.LimInfPendiente = checked(m - checked(t * slopeError));
    R.TcalPendiente = divide(m, slopeError);

    // 1/n + x̄²/Sxx, in the order the program has always evaluated it.
    const double q =
        checked(divide(divide(divide(checked(s.x * s.x), n), n), Sxx) + divide(1.0, n));
    const double interceptError = checked(squareRoot(q) * deviation);
    R.LimSupOrdenada = checked(b + checked(t * interceptError));
    R.LimInfOrdenada = checked(b - checked(t * interceptError));
    R.TcalOrdenada = divide(b, interceptError);

    R.DesvRegresion = squareRoot(CME);
    R.CoefVariacion = divide(checked(checked(deviation * 100) * n), s.y);
    R.TTabla = t;
    R.R2 = divide(SCR, SCT);
}

} // namespace linealidad
