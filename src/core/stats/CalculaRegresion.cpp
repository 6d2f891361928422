#include "core/stats/CalculaRegresion.h"

#include "core/stats/CheckedArithmetic.h"
#include "core/stats/FormulaChoice.h"
#include "core/stats/TablaT.h"

namespace linealidad {

using arithmetic::checked;
using arithmetic::divide;
using arithmetic::squareRoot;

namespace {

// The program's formulas, on the raw sums.
void rawRegression(const Sums& s, int n, ResultadosRegresion& R, bool& PendienteCero) {
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

// The same figures, in the same steps, from the sums around the means: sums of squares,
// deviations and ratios in the centred sums' units, brought back to the data's units as they
// are stored. The error sum of squares adds the squared residuals.
void centredRegression(const CentredSums& c, ResultadosRegresion& R, bool& PendienteCero) {
    const int n = c.n();
    const double ms = divide(c.Sxy(), c.Sxx());
    const double m = c.slope(ms);
    R.Pendiente = m;
    const double b = c.intercept(ms);
    R.Ordenada = b;
    if (m == 0) {
        PendienteCero = true;
        return;
    }

    double SCE = 0;
    for (std::size_t j = 0; j < static_cast<std::size_t>(n); ++j) {
        const double residual = c.vDeviation(j) - ms * c.uDeviation(j);
        SCE += residual * residual;
    }
    const double SCT = c.Syy();
    const double SCR = ms * c.Sxy();
    const double gl = n - 2;
    const double CME = divide(SCE, gl);
    const double deviation = squareRoot(CME);

    const double slopeError = divide(deviation, squareRoot(c.Sxx()));
    const double t = TablaT(n - 2);

    const double slopeLimit = c.slope(checked(t * slopeError));
    R.LimSupPendiente = checked(m + slopeLimit);
    R.LimInfPendiente = checked(m - slopeLimit);
    R.TcalPendiente = divide(ms, slopeError);

    const double xMean = c.xMeanFromZero();
    const double q = checked(divide(checked(xMean * xMean), c.Sxx()) + divide(1.0, n));
    const double interceptError = c.yDeviation(checked(squareRoot(q) * deviation));
    R.LimSupOrdenada = checked(b + checked(t * interceptError));
    R.LimInfOrdenada = checked(b - checked(t * interceptError));
    R.TcalOrdenada = divide(b, interceptError);

    R.DesvRegresion = c.yDeviation(deviation);
    R.CoefVariacion = divide(checked(R.DesvRegresion * 100), c.yMean());
    R.TTabla = t;
    R.R2 = divide(SCR, SCT);
}

} // namespace

void CalculaRegresion(const Observations& data, ResultadosRegresion& R, bool& PendienteCero) {
    PendienteCero = false;
    const int n = static_cast<int>(data.x.size());
    const ObservationSums sums = sumObservations(data);
    if (sums.formulas == Formulas::Raw)
        rawRegression(sums.raw, n, R, PendienteCero);
    else
        centredRegression(sums.centred, R, PendienteCero);
}

} // namespace linealidad
