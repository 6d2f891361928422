#include "stats/CalculaAnova.h"

#include "stats/Aritmetica.h"
#include "stats/Observaciones.h"
#include "stats/ProbabilidadF.h"
#include "text/NumberParse.h"

#include <algorithm>
#include <vector>

namespace linealidad {

using aritmetica::comprobado;
using aritmetica::dividir;
using aritmetica::raiz;

namespace {

// Σ over levels of T_i² / r_i, T_i the sum of the Y of level i; over the N levels of the
// number-of-levels text, each owning the next r_i rows.
double sumaCuadradosNiveles(const Study& study, char decimal) {
    const int niveles = parseInteger(study.eniveles);
    double suma = 0;
    int k = 0;
    for (int i = 1; i <= niveles; ++i) {
        const int r = replicas(study, i);
        double total = 0;
        for (int j = k + 1; j <= k + r; ++j)
            total = comprobado(total + leeY(study, j, decimal));
        k += r;
        suma = comprobado(suma + dividir(comprobado(total * total), r));
    }
    return suma;
}

void ajustaTamano(Residuales& r, int n) {
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
                  Residuales& residuales) {
    PendienteCero = false;
    const int n = numeroObservaciones(study);
    long long glErrorPuro = 0;
    for (int i = 1; i < study.stgniveles.colCount(); ++i)
        glErrorPuro += replicas(study, i) - 1;
    const Sumas s = sumaObservaciones(study, n, decimal);

    const double m = pendiente(s, n);
    const double b = ordenada(s, m, n);
    const double media = dividir(s.x, n);
    if (m == 0) {
        PendienteCero = true;
        return;
    }

    const double SCNiveles = sumaCuadradosNiveles(study, decimal);

    // Residuals, and the leverage h_j = 1/n + (x_j - x̄)² / Σ(x_j - x̄)² from the deviations.
    ajustaTamano(residuales, n);
    std::vector<double> desviaciones(static_cast<std::size_t>(n));
    double Sxx = 0;
    for (int j = 1; j <= n; ++j) {
        const auto i = static_cast<std::size_t>(j - 1);
        const double x = leeX(study, j, decimal);
        residuales.Observacion[i] = j;
        residuales.Pronostico[i] = comprobado(comprobado(x * m) + b);
        residuales.Residual[i] = comprobado(leeY(study, j, decimal) - residuales.Pronostico[i]);
        desviaciones[i] = comprobado((x - media) * (x - media));
        Sxx = comprobado(Sxx + desviaciones[i]);
    }
    std::vector<double> complementoPalanca(static_cast<std::size_t>(n));
    for (std::size_t i = 0; i < complementoPalanca.size(); ++i)
        complementoPalanca[i] = 1 - (dividir(1.0, n) + dividir(desviaciones[i], Sxx));

    A.GLErrorPuro = static_cast<double>(glErrorPuro);
    A.GLError = n - 2;
    A.SCError = comprobado(comprobado(s.y2 - comprobado(m * s.xy)) - comprobado(b * s.y));
    A.MCError = dividir(A.SCError, A.GLError);

    for (std::size_t i = 0; i < complementoPalanca.size(); ++i) {
        const double varianza = comprobado(A.MCError * complementoPalanca[i]);
        residuales.Estudentizado[i] = dividir(residuales.Residual[i], raiz(varianza));
    }

    A.SCRegresion = comprobado(comprobado(comprobado(m * s.xy) + comprobado(b * s.y)) -
                               dividir(comprobado(s.y * s.y), n));
    A.MCRegresion = dividir(A.SCRegresion, 1);
    A.FRegresion = dividir(A.MCRegresion, A.MCError);
    A.PRegresion = ProbabilidadF(A.FRegresion, 1, A.GLError);
    if (A.GLErrorPuro == 0)
        return;

    A.SCErrorPuro = comprobado(s.y2 - SCNiveles);
    A.MCErrorPuro = dividir(A.SCErrorPuro, A.GLErrorPuro);
    A.GLFaltaAjuste = A.GLError - A.GLErrorPuro;
    A.SCFaltaAjuste = comprobado(A.SCError - A.SCErrorPuro);
    A.MCFaltaAjuste = dividir(A.SCFaltaAjuste, A.GLFaltaAjuste);
    A.FFaltaAjuste = dividir(A.MCFaltaAjuste, A.MCErrorPuro);
    A.PFaltaAjuste = ProbabilidadF(A.FFaltaAjuste, A.GLFaltaAjuste, A.GLErrorPuro);
}

} // namespace linealidad
