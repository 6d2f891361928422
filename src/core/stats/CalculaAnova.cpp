#include "core/stats/CalculaAnova.h"

#include "core/stats/CheckedArithmetic.h"
#include "core/stats/Observations.h"
#include "core/stats/ProbabilidadF.h"
#include "core/text/NumberParse.h"

#include <algorithm>
#include <vector>

namespace linealidad {

using arithmetic::checked;
using arithmetic::divide;
using arithmetic::squareRoot;

namespace {

// Σ over levels of T_i² / r_i, T_i the sum of the Y of level i; over the N levels of the
// number-of-levels text, each owning the next r_i rows.
double levelSumOfSquares(const Study& study, char decimal) {
    const int levels = parseInteger(study.eniveles);
    double sum = 0;
    int k = 0;
    for (int i = 1; i <= levels; ++i) {
        const int r = replicates(study, i);
        double total = 0;
        for (int j = k + 1; j <= k + r; ++j)
            total = checked(total + readY(study, j, decimal));
        k += r;
        sum = checked(sum + divide(checked(total * total), r));
    }
    return sum;
}

void fitSize(Residuals& r, int n) {
    const auto size = static_cast<std::size_t>(std::max(n, 0));
    if (r.Observacion.size() < size) {
        r.Observacion.resize(size);
        r.Pronostico.resize(size);
        r.Residual.resize(size);
        r.Estudentizado.resize(size);
    }
}

} // namespace

void CalculaAnova(const Study& study, char decimal, ResultadosAnova& A, bool& PendienteCero,
                  Residuals& residuals) {
    PendienteCero = false;
    const int n = observationCount(study);
    long long pureErrorDF = 0;
    for (int i = 1; i < study.stgniveles.colCount(); ++i)
        pureErrorDF += replicates(study, i) - 1;
    const Sums s = sumObservations(study, n, decimal);

    const double m = slope(s, n);
    const double b = intercept(s, m, n);
    const double mean = divide(s.x, n);
    if (m == 0) {
        PendienteCero = true;
        return;
    }

    const double levelSS = levelSumOfSquares(study, decimal);

    // Residuals, and the leverage h_j = 1/n + (x_j - x̄)² / Σ(x_j - x̄)² from the deviations.
    fitSize(residuals, n);
    std::vector<double> deviations(static_cast<std::size_t>(n));
    double Sxx = 0;
    for (int j = 1; j <= n; ++j) {
        const auto i = static_cast<std::size_t>(j - 1);
        const double x = readX(study, j, decimal);
        residuals.Observacion[i] = j;
        residuals.Pronostico[i] = checked(checked(x * m) + b);
        residuals.Residual[i] = checked(readY(study, j, decimal) - residuals.Pronostico[i]);
        deviations[i] = checked((x - mean) * (x - mean));
        Sxx = checked(Sxx + deviations[i]);
    }
    std::vector<double> leverageComplement(static_cast<std::size_t>(n));
    for (std::size_t i = 0; i < leverageComplement.size(); ++i)
        leverageComplement[i] = 1 - (divide(1.0, n) + divide(deviations[i], Sxx));

    A.GLErrorPuro = static_cast<double>(pureErrorDF);
    A.GLError = n - 2;
    A.SCError = checked(checked(s.y2 - checked(m * s.xy)) - checked(b * s.y));
    A.MCError = divide(A.SCError, A.GLError);

    for (std::size_t i = 0; i < leverageComplement.size(); ++i) {
        const double variance = checked(A.MCError * leverageComplement[i]);
        residuals.Estudentizado[i] = divide(residuals.Residual[i], squareRoot(variance));
    }

    A.SCRegresion =
        checked(checked(checked(m * s.xy) + checked(b * s.y)) - divide(checked(s.y * s.y), n));
    A.MCRegresion = divide(A.SCRegresion, 1);
    A.FRegresion = divide(A.MCRegresion, A.MCError);
    A.PRegresion = ProbabilidadF(A.FRegresion, 1, A.GLError);
    if (A.GLErrorPuro == 0)
        return;

    A.SCErrorPuro = checked(s.y2 - levelSS);
    A.MCErrorPuro = divide(A.SCErrorPuro, A.GLErrorPuro);
    A.GLFaltaAjuste = A.GLError - A.GLErrorPuro;
    A.SCFaltaAjuste = checked(A.SCError - A.SCErrorPuro);
    A.MCFaltaAjuste = divide(A.SCFaltaAjuste, A.GLFaltaAjuste);
    A.FFaltaAjuste = divide(A.MCFaltaAjuste, A.MCErrorPuro);
    A.PFaltaAjuste = ProbabilidadF(A.FFaltaAjuste, A.GLFaltaAjuste, A.GLErrorPuro);
}

} // namespace linealidad
