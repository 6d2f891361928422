#include "core/stats/CalculaAnova.h"

#include "core/stats/CheckedArithmetic.h"
#include "core/stats/FormulaChoice.h"
#include "core/stats/ProbabilidadF.h"

#include <algorithm>
#include <vector>

namespace linealidad {

using arithmetic::checked;
using arithmetic::divide;
using arithmetic::squareRoot;

namespace {

// Σ over levels of T_i² / r_i, T_i the sum of the Y of level i.
double levelSumOfSquares(const std::vector<Level>& levels) {
    double sum = 0;
    for (const Level& level : levels) {
        const std::vector<double>& ys = level.y;
        double total = 0;
        for (double y : ys)
            total = checked(total + y);
        const int r = static_cast<int>(ys.size());
        sum = checked(sum + divide(checked(total * total), r));
    }
    return sum;
}

// Σ over levels of Σ (y - ȳ_i)², in the centred sums' units. Each level's Y are measured from
// its first, so identical replicates give exactly zero.
double pureErrorSumOfSquares(const std::vector<Level>& levels, const CentredSums& c) {
    double sum = 0;
    for (const Level& level : levels) {
        const std::vector<double>& ys = level.y;
        std::vector<double> w;
        for (double y : ys)
            w.push_back(c.scaledY(y) - c.scaledY(ys.front()));
        double total = 0;
        for (double value : w)
            total += value;
        const double mean = divide(total, static_cast<double>(w.size()));
        for (double value : w)
            sum += (value - mean) * (value - mean);
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

// The lack-of-fit and pure-error rows from the error and pure-error sums of squares (in any
// units, `toData` bringing a sum of squares to the data's).
template <typename ToData>
void lackOfFit(double SCE, double SCPE, ResultadosAnova& A, ToData toData) {
    A.SCErrorPuro = toData(SCPE);
    const double MCPE = divide(SCPE, A.GLErrorPuro);
    A.MCErrorPuro = toData(MCPE);
    A.GLFaltaAjuste = A.GLError - A.GLErrorPuro;
    const double SCLOF = checked(SCE - SCPE);
    A.SCFaltaAjuste = toData(SCLOF);
    const double MCLOF = divide(SCLOF, A.GLFaltaAjuste);
    A.MCFaltaAjuste = toData(MCLOF);
    A.FFaltaAjuste = divide(MCLOF, MCPE);
    A.PFaltaAjuste = ProbabilidadF(A.FFaltaAjuste, A.GLFaltaAjuste, A.GLErrorPuro);
}

// The program's formulas, on the raw sums.
void rawAnova(const Observations& data, long long pureErrorDF, const Sums& s, ResultadosAnova& A,
              bool& PendienteCero, Residuals& residuals) {
    const int n = static_cast<int>(data.x.size());
    const double m = slope(s, n);
    const double b = intercept(s, m, n);
    const double mean = divide(s.x, n);
    if (m == 0) {
        PendienteCero = true;
        return;
    }

    const double levelSS = levelSumOfSquares(data.levels);

    // Residuals, and the leverage h_j = 1/n + (x_j - x̄)² / Σ(x_j - x̄)² from the deviations.
    fitSize(residuals, n);
    std::vector<double> deviations(static_cast<std::size_t>(n));
    double Sxx = 0;
    for (std::size_t i = 0; i < deviations.size(); ++i) {
        const double x = data.x[i];
        residuals.Observacion[i] = static_cast<int>(i) + 1;
        residuals.Pronostico[i] = checked(checked(x * m) + b);
        residuals.Residual[i] = checked(data.y[i] - residuals.Pronostico[i]);
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
    lackOfFit(A.SCError, checked(s.y2 - levelSS), A, [](double v) { return v; });
}

// The same figures, in the same steps, from the sums around the means: sums of squares, mean
// squares and ratios in the centred sums' units, brought back to the data's units as they are
// stored. The error sum of squares adds the squared residuals.
void centredAnova(const Observations& data, long long pureErrorDF, const CentredSums& c,
                  ResultadosAnova& A, bool& PendienteCero, Residuals& residuals) {
    const int n = c.n();
    const double ms = divide(c.Sxy(), c.Sxx());
    if (c.slope(ms) == 0) {
        PendienteCero = true;
        return;
    }

    const double SCPE = pureErrorSumOfSquares(data.levels, c);

    fitSize(residuals, n);
    std::vector<double> scaledResiduals(static_cast<std::size_t>(n));
    double SCE = 0;
    for (std::size_t i = 0; i < scaledResiduals.size(); ++i) {
        residuals.Observacion[i] = static_cast<int>(i) + 1;
        residuals.Pronostico[i] = c.fittedY(ms, c.uDeviation(i));
        scaledResiduals[i] = c.vDeviation(i) - ms * c.uDeviation(i);
        residuals.Residual[i] = c.yDeviation(scaledResiduals[i]);
        SCE += scaledResiduals[i] * scaledResiduals[i];
    }

    A.GLErrorPuro = static_cast<double>(pureErrorDF);
    A.GLError = n - 2;
    A.SCError = c.ySquares(SCE);
    const double MCE = divide(SCE, A.GLError);
    A.MCError = c.ySquares(MCE);

    for (std::size_t i = 0; i < scaledResiduals.size(); ++i) {
        const double leverage = divide(1.0, n) + divide(c.uDeviation(i) * c.uDeviation(i), c.Sxx());
        const double variance = checked(MCE * (1 - leverage));
        residuals.Estudentizado[i] = divide(scaledResiduals[i], squareRoot(variance));
    }

    const double SCR = ms * c.Sxy();
    A.SCRegresion = c.ySquares(SCR);
    A.MCRegresion = A.SCRegresion;
    A.FRegresion = divide(SCR, MCE);
    A.PRegresion = ProbabilidadF(A.FRegresion, 1, A.GLError);
    if (A.GLErrorPuro == 0)
        return;
    lackOfFit(SCE, SCPE, A, [&c](double v) { return c.ySquares(v); });
}

} // namespace

void CalculaAnova(const Observations& data, ResultadosAnova& A, bool& PendienteCero,
                  Residuals& residuals) {
    PendienteCero = false;
    // The sum of r_i - 1 over the levels: n less the number of levels.
    const auto pureErrorDF =
        static_cast<long long>(data.x.size()) - static_cast<long long>(data.levels.size());
    const ObservationSums sums = sumObservations(data);
    if (sums.formulas == Formulas::Raw)
        rawAnova(data, pureErrorDF, sums.raw, A, PendienteCero, residuals);
    else
        centredAnova(data, pureErrorDF, sums.centred, A, PendienteCero, residuals);
}

} // namespace linealidad
