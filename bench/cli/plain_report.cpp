// plain-report FILE: the yardstick for the command-line tool's start-up. The same work as
// `linealidad-cli informe FILE` -- read the study file, fit, analyse the variance and the
// residuals, print a report of the same length -- written as a plain C++ program with the
// standard library and nothing else, compiled and linked the default way. It checks nothing
// and formats simply: what it measures is what any C++ program pays to start and do this.

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> readLines(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The regularized incomplete beta function by its continued fraction, for the F
// probabilities.
double incompleteBeta(double a, double b, double x) {
    if (x <= 0 || x >= 1)
        return x <= 0 ? 0 : 1;
    if (x > (a + 1) / (a + b + 2))
        return 1 - incompleteBeta(b, a, 1 - x);
    const double front = std::exp(std::lgamma(a + b) - std::lgamma(a) - std::lgamma(b) +
                                  a * std::log(x) + b * std::log(1 - x)) /
                         a;
    double f = 1, c = 1, d = 0;
    for (int i = 0; i <= 200; ++i) {
        const int m = i / 2;
        double numerator;
        if (i == 0)
            numerator = 1;
        else if (i % 2 == 0)
            numerator = (m * (b - m) * x) / ((a + 2 * m - 1) * (a + 2 * m));
        else
            numerator = -((a + m) * (a + b + m) * x) / ((a + 2 * m) * (a + 2 * m + 1));
        d = 1 + numerator * d;
        d = std::fabs(d) < 1e-30 ? 1e30 : 1 / d;
        c = 1 + numerator / c;
        c = std::fabs(c) < 1e-30 ? 1e-30 : c;
        f *= c * d;
        if (std::fabs(1 - c * d) < 1e-12)
            break;
    }
    return front * (f - 1);
}

double probabilityF(double f, double df1, double df2) {
    return incompleteBeta(df2 / 2, df1 / 2, df2 / (df2 + df1 * f));
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    if (argc != 2)
        return 2;
    const std::vector<std::string> file = readLines(argv[1]);
    const int levels = std::stoi(file.at(5));
    std::vector<int> replicates;
    std::size_t n = 0;
    for (int i = 0; i < levels; ++i) {
        replicates.push_back(std::stoi(file.at(6 + static_cast<std::size_t>(i))));
        n += static_cast<std::size_t>(replicates.back());
    }
    const std::size_t first = 6 + static_cast<std::size_t>(levels);
    std::vector<double> x(n), y(n);
    for (std::size_t j = 0; j < n; ++j) {
        x[j] = std::stod(file.at(first + j));
        y[j] = std::stod(file.at(first + n + j));
    }

    // The fit.
    double sx = 0, sy = 0, sxx = 0, sxy = 0, syy = 0;
    for (std::size_t j = 0; j < n; ++j) {
        sx += x[j];
        sy += y[j];
        sxx += x[j] * x[j];
        sxy += x[j] * y[j];
        syy += y[j] * y[j];
    }
    const double count = static_cast<double>(n);
    const double slope = (count * sxy - sx * sy) / (count * sxx - sx * sx);
    const double intercept = (sy - slope * sx) / count;
    const double sse = syy - slope * sxy - intercept * sy;
    const double sst = syy - sy * sy / count;
    const double ssr = sst - sse;
    const double mse = sse / (count - 2);
    const double syx = std::sqrt(mse);
    const double meanX = sx / count;
    const double sxxCentred = sxx - sx * sx / count;
    const double slopeError = syx / std::sqrt(sxxCentred);
    const double interceptError = syx * std::sqrt(sxx / (count * sxxCentred));
    const double t = 1.9763;

    // Pure error and lack of fit.
    double pureError = 0;
    std::size_t start = 0;
    for (const int r : replicates) {
        double mean = 0;
        for (int k = 0; k < r; ++k)
            mean += y[start + static_cast<std::size_t>(k)];
        mean /= r;
        for (int k = 0; k < r; ++k) {
            const double e = y[start + static_cast<std::size_t>(k)] - mean;
            pureError += e * e;
        }
        start += static_cast<std::size_t>(r);
    }
    const double dfPure = count - levels, dfLack = levels - 2.0;
    const double lackOfFit = sse - pureError;
    const double fRegression = ssr / mse;
    const double fLack = (lackOfFit / dfLack) / (pureError / dfPure);

    std::ostringstream out;
    out << std::setprecision(6);
    out << "LINEALIDAD Y PRECISIÓN DEL SISTEMA DE MEDICIÓN\n \n";
    for (int i = 0; i < 5; ++i)
        out << "Dato " << i + 1 << ": " << file.at(static_cast<std::size_t>(i)) << '\n';
    out << " \nNúmero de Niveles:\n" << levels << "\n \nNivel       Replicación \n";
    for (int i = 0; i < levels; ++i)
        out << std::left << std::setw(12) << i + 1 << std::right << std::setw(10)
            << replicates[static_cast<std::size_t>(i)] << '\n';
    out << " \nNivel        X              Y \n";
    start = 0;
    for (int i = 0; i < levels; ++i)
        for (int k = 0; k < replicates[static_cast<std::size_t>(i)]; ++k, ++start)
            out << std::setw(11) << i + 1 << std::setw(12) << x[start] << std::setw(15) << y[start]
                << '\n';
    out << "Pendiente = " << slope << "\nOrdenada = " << intercept << '\n'
        << "Límites de la pendiente = " << slope - t * slopeError << ", " << slope + t * slopeError
        << '\n'
        << "Límites de la ordenada = " << intercept - t * interceptError << ", "
        << intercept + t * interceptError << '\n'
        << "t pendiente = " << slope / slopeError << "\nt ordenada = " << intercept / interceptError
        << "\nSy/x = " << syx << "\nCV = " << syx * 100 / (sy / count) << "\nr2 = " << ssr / sst
        << '\n';
    out << " \nANÁLISIS DE VARIANZA\n \nFUENTE DE VARIACIÓN  GL  SC  MC  fcal  Pfcal\n";
    out << "REGRESIÓN 1 " << ssr << ' ' << ssr << ' ' << fRegression << ' '
        << probabilityF(fRegression, 1, count - 2) << '\n'
        << "ERROR " << count - 2 << ' ' << sse << ' ' << mse << '\n'
        << "FALTA DE AJUSTE " << dfLack << ' ' << lackOfFit << ' ' << lackOfFit / dfLack << ' '
        << fLack << ' ' << probabilityF(fLack, dfLack, dfPure) << '\n'
        << "ERROR PURO " << dfPure << ' ' << pureError << ' ' << pureError / dfPure << '\n';
    out << " \n"
        << (fRegression > 4 ? "EXISTE RELACIÓN SIGNIFICATIVA" : "NO EXISTE RELACIÓN") << "\n"
        << (fLack < 2 ? "EL MODELO LINEAL ES ADECUADO" : "EL MODELO NO ES ADECUADO")
        << "\n \nANÁLISIS DE RESIDUALES\n \nObservación  Pronóstico  Residual  Estudentizado\n";
    for (std::size_t j = 0; j < n; ++j) {
        const double predicted = intercept + slope * x[j];
        const double residual = y[j] - predicted;
        const double leverage = 1 / count + (x[j] - meanX) * (x[j] - meanX) / sxxCentred;
        out << std::setw(11) << j + 1 << std::setw(28) << predicted << std::setw(30) << residual
            << std::setw(32) << residual / std::sqrt(mse * (1 - leverage)) << '\n';
    }
    std::cout << out.str();
    return 0;
}
