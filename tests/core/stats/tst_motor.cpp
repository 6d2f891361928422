#include "stats/CalculaAnova.h"
#include "stats/CalculaRegresion.h"
#include "stats/ProbabilidadF.h"
#include "stats/TablaT.h"
#include "stats/Veredictos.h"
#include "support/EstudiosDePrueba.h"
#include "text/Errors.h"

#include <QtTest>

#include <cmath>
#include <numeric>

using namespace linealidad;
using prueba::ejemploTrabajado;
using prueba::estudio;

namespace {

bool cerca(double a, double b, double tolerancia = 1e-9) {
    return std::fabs(a - b) <= tolerancia * std::max(1.0, std::fabs(b));
}

// The message of the fault that `f` throws, or an empty text.
template <typename F> QString fallo(F f) {
    try {
        f();
    } catch (const Fault& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

// n observations, one per level-row, on the line y = 2x + 1 with an alternating wobble.
Study estudioLargo(int niveles, int replicasPorNivel) {
    std::vector<int> r(static_cast<std::size_t>(niveles), replicasPorNivel);
    std::vector<std::string> x, y;
    for (int i = 1; i <= niveles; ++i)
        for (int k = 0; k < replicasPorNivel; ++k) {
            x.push_back(std::to_string(i * 10));
            y.push_back(std::to_string(2 * i * 10 + 1 + ((k + i) % 3) * 0.25));
        }
    return estudio(r, x, y);
}

} // namespace

class TestMotor : public QObject {
    Q_OBJECT
private slots:
    void regresionDelEjemplo() {
        ResultadosRegresion R;
        bool cero = true;
        CalculaRegresion(ejemploTrabajado(), '.', R, cero);
        QVERIFY(!cero);
        QVERIFY(cerca(R.Pendiente, 0.975));
        QVERIFY(cerca(R.Ordenada, 0.1));
        QCOMPARE(R.TTabla, 2.7764);
        QVERIFY(cerca(R.DesvRegresion, std::sqrt(0.023125)));
        QVERIFY(cerca(R.TcalOrdenada, 0.608816, 1e-6));
        const double sm = std::sqrt(0.023125) / std::sqrt(8.0 / 2);
        QVERIFY(cerca(R.LimSupPendiente, 0.975 + 2.7764 * sm));
        QVERIFY(cerca(R.LimInfPendiente, 0.975 - 2.7764 * sm));
        QVERIFY(cerca(R.TcalPendiente, 0.975 / sm));
        QVERIFY(cerca(R.CoefVariacion, std::sqrt(0.023125) * 100 / (12.3 / 6)));
        QVERIFY(cerca(R.R2, 3.8025 / (3.8025 + 0.0925)));
    }

    void anovaDelEjemplo() {
        ResultadosAnova A;
        Residuales r;
        bool cero = true;
        CalculaAnova(ejemploTrabajado(), '.', A, cero, r);
        QVERIFY(!cero);
        QVERIFY(cerca(A.SCRegresion, 3.8025));
        QVERIFY(cerca(A.MCRegresion, 3.8025));
        QCOMPARE(A.GLError, 4.0);
        QVERIFY(cerca(A.SCError, 0.0925));
        QVERIFY(cerca(A.MCError, 0.023125));
        QVERIFY(cerca(A.FRegresion, 164.432, 1e-5));
        QVERIFY(cerca(A.PRegresion, 0.000898959, 1e-5));
        QCOMPARE(A.GLErrorPuro, 3.0);
        QVERIFY(cerca(A.SCErrorPuro, 0.085));
        QVERIFY(cerca(A.MCErrorPuro, 0.085 / 3));
        QCOMPARE(A.GLFaltaAjuste, 1.0);
        QVERIFY(cerca(A.SCFaltaAjuste, 0.0075, 1e-6));
        QVERIFY(cerca(A.FFaltaAjuste, 0.264706, 1e-5));
        QVERIFY(cerca(A.PFaltaAjuste, 0.642406, 1e-5));
        QCOMPARE(claseRelacion(A.PRegresion), Relacion::AltamenteSignificativa);
        QCOMPARE(claseModelo(A.PFaltaAjuste), ModeloLineal::Adecuado);
    }

    void residualesDelEjemplo() {
        ResultadosAnova A;
        Residuales r;
        bool cero;
        CalculaAnova(ejemploTrabajado(), '.', A, cero, r);
        const double pronostico[] = {1.075, 1.075, 2.05, 2.05, 3.025, 3.025};
        const double residual[] = {-0.075, 0.125, 0.05, -0.15, 0.175, -0.125};
        const double estudentizado[] = {-0.645746, 1.07624, 0.36018, -1.08054, 1.50674, -1.07624};
        QCOMPARE(r.Observacion.size(), std::size_t(6));
        for (std::size_t j = 0; j < 6; ++j) {
            QCOMPARE(r.Observacion[j], int(j) + 1);
            QVERIFY(cerca(r.Pronostico[j], pronostico[j]));
            QVERIFY(cerca(r.Residual[j], residual[j], 1e-9));
            QVERIFY(cerca(r.Estudentizado[j], estudentizado[j], 1e-5));
        }
        QVERIFY(std::fabs(std::accumulate(r.Residual.begin(), r.Residual.end(), 0.0)) < 1e-12);
    }

    void tablaT() {
        QCOMPARE(TablaT(1), 12.706);
        QCOMPARE(TablaT(3), 3.1825);
        QCOMPARE(TablaT(9), 2.2622);
        QCOMPARE(TablaT(23), 2.0687);
        QCOMPARE(TablaT(29), 2.0452);
        QCOMPARE(TablaT(30), 2.0423);
        QCOMPARE(TablaT(34), 2.0423);
        QCOMPARE(TablaT(35), 2.0301);
        QCOMPARE(TablaT(79), 1.9945);
        QCOMPARE(TablaT(199), 1.9733);
        QCOMPARE(TablaT(200), 1.9719);
        QCOMPARE(TablaT(324), 1.9719);
        QVERIFY_THROWS_EXCEPTION(ArithmeticError, TablaT(0));
        QVERIFY_THROWS_EXCEPTION(ArithmeticError, TablaT(325));
    }

    void tDeLosGradosDeLibertad() {
        ResultadosRegresion R;
        bool cero;
        CalculaRegresion(estudio({1, 1, 1}, {"1", "2", "3"}, {"1", "2.2", "2.9"}), '.', R, cero);
        QCOMPARE(R.TTabla, 12.706);
        CalculaRegresion(estudioLargo(11, 1), '.', R, cero);
        QCOMPARE(R.TTabla, 2.2622);
        CalculaRegresion(estudioLargo(5, 5), '.', R, cero);
        QCOMPARE(R.TTabla, 2.0687);
    }

    void probabilidadF() {
        QVERIFY(cerca(ProbabilidadF(4.96, 1, 10), 0.04829, 1e-3));
        QVERIFY(cerca(ProbabilidadF(10.04, 1, 10), 0.009898, 1e-3));
        QVERIFY(cerca(ProbabilidadF(1, 1, 10), 0.3427, 1e-3));
        QVERIFY(cerca(ProbabilidadF(0.5, 2, 3), 0.6509, 1e-3));
        QVERIFY(cerca(ProbabilidadF(3, 1, 3), 0.1815, 1e-3));
        QCOMPARE(ProbabilidadF(0, 1, 5), 1.0);
        QCOMPARE(ProbabilidadF(-2, 1, 5), 1.0);
        // The core is bounded by 0.5 on either side of F = 1.
        QVERIFY(ProbabilidadF(1.0001, 30, 2) <= 0.5);
        QVERIFY(ProbabilidadF(0.9999, 30, 2) >= 0.5);
        QCOMPARE(fallo([] { Potencia(0, 4); }), QString("Floating point division by zero"));
        QCOMPARE(fallo([] { Potencia(-1, 0.5); }), QString("Invalid floating point operation"));
        QVERIFY(cerca(Potencia(2, 10), 1024, 1e-12));
    }

    void umbralesExtendidos() {
        QCOMPARE(claseRelacion(0.05), Relacion::SinDependencia);
        QCOMPARE(claseRelacion(std::nextafter(0.05, 0.0)), Relacion::Significativa);
        QCOMPARE(claseRelacion(0.01), Relacion::Significativa);
        QCOMPARE(claseRelacion(std::nextafter(0.01, 0.0)), Relacion::AltamenteSignificativa);
        QCOMPARE(claseModelo(0.05), ModeloLineal::Adecuado);
        QCOMPARE(claseModelo(0.01), ModeloLineal::NoAdecuado);
        // The doubles nearest to the thresholds lie above their extended values.
        QVERIFY(static_cast<long double>(0.05) > 0.05L);
        QVERIFY(static_cast<long double>(std::nextafter(0.05, 0.0)) <= 0.05L);
        QVERIFY(static_cast<long double>(0.01) > 0.01L);
        QVERIFY(static_cast<long double>(std::nextafter(0.01, 0.0)) <= 0.01L);
    }

    void veredictoDelOrigen() {
        ResultadosRegresion R;
        R.TTabla = 2.7764;
        R.TcalOrdenada = -2.7764; // |t| exactly equal: differs from zero
        QCOMPARE(veredictoOrigen(R, 0.01), Origen::NoPasa);
        QCOMPARE(veredictoOrigen(R, 0.2), Origen::SinVeredicto);
        QCOMPARE(veredictoOrigen(R, 0.05), Origen::SinVeredicto);
        R.TcalOrdenada = 0.60882;
        QCOMPARE(veredictoOrigen(R, 0.2), Origen::Pasa);
        QCOMPARE(veredictoOrigen(R, 0.001), Origen::Pasa);
    }

    void pendienteCeroConservaLoAnterior() {
        ResultadosRegresion R;
        ResultadosAnova A;
        Residuales r;
        bool cero;
        CalculaRegresion(ejemploTrabajado(), '.', R, cero);
        CalculaAnova(ejemploTrabajado(), '.', A, cero, r);
        const ResultadosRegresion antesR = R;
        const ResultadosAnova antesA = A;
        const Residuales antesResiduales = r;

        const Study plano =
            estudio({2, 2, 2}, {"1", "1", "2", "2", "3", "3"}, {"4", "4", "4", "4", "4", "4"});
        CalculaRegresion(plano, '.', R, cero);
        QVERIFY(cero);
        QCOMPARE(R.Pendiente, 0.0);
        QCOMPARE(R.Ordenada, 4.0);
        QCOMPARE(R.R2, antesR.R2);
        QCOMPARE(R.TTabla, antesR.TTabla);
        QCOMPARE(R.LimSupPendiente, antesR.LimSupPendiente);

        cero = false;
        CalculaAnova(plano, '.', A, cero, r);
        QVERIFY(cero);
        QCOMPARE(A.SCRegresion, antesA.SCRegresion);
        QCOMPARE(A.PRegresion, antesA.PRegresion);
        QCOMPARE(r.Pronostico, antesResiduales.Pronostico);
    }

    void sinErrorPuroConservaLaFaltaDeAjuste() {
        ResultadosAnova A;
        Residuales r;
        bool cero;
        CalculaAnova(ejemploTrabajado(), '.', A, cero, r);
        const ResultadosAnova antes = A;
        CalculaAnova(estudio({1, 1, 1}, {"1", "2", "3"}, {"1", "2.2", "2.9"}), '.', A, cero, r);
        QCOMPARE(A.GLErrorPuro, 0.0);
        QCOMPARE(A.GLError, 1.0);
        QCOMPARE(A.SCFaltaAjuste, antes.SCFaltaAjuste);
        QCOMPARE(A.PFaltaAjuste, antes.PFaltaAjuste);
        QCOMPARE(A.MCErrorPuro, antes.MCErrorPuro);
    }

    void coeficienteDeVariacionNegativo() {
        ResultadosRegresion R;
        bool cero;
        CalculaRegresion(estudio({1, 1, 1}, {"1", "2", "3"}, {"-10", "-12.2", "-13.9"}), '.', R,
                         cero);
        QVERIFY(R.CoefVariacion < 0);
    }

    void fallosAritmeticos() {
        ResultadosRegresion R;
        ResultadosAnova A;
        Residuales r;
        bool cero;
        const Study perfecto = estudio({1, 1, 1}, {"1", "2", "3"}, {"2", "4", "6"});
        QCOMPARE(fallo([&] { CalculaRegresion(perfecto, '.', R, cero); }),
                 QString("Floating point division by zero"));
        QCOMPARE(fallo([&] { CalculaAnova(perfecto, '.', A, cero, r); }),
                 QString("Invalid floating point operation"));

        const Study mismaX = estudio({1, 1, 1}, {"2", "2", "2"}, {"1", "2", "3"});
        QVERIFY(!fallo([&] { CalculaRegresion(mismaX, '.', R, cero); }).isEmpty());

        // A level without replicates divides its empty sum by zero.
        const Study sinReplicas = estudio({3, 0, 3}, {"1", "1", "1", "3", "3", "3"},
                                          {"1", "1.1", "1.2", "3", "3.2", "2.9"});
        QCOMPARE(fallo([&] { CalculaAnova(sinReplicas, '.', A, cero, r); }),
                 QString("Invalid floating point operation"));

        // Identical replicates: the pure-error mean square is zero.
        const Study repetidos =
            estudio({2, 2, 2}, {"1", "1", "2", "2", "3", "3"}, {"1", "1", "2.5", "2.5", "3", "3"});
        QCOMPARE(fallo([&] { CalculaAnova(repetidos, '.', A, cero, r); }),
                 QString("Floating point division by zero"));

        const Study dos = estudio({1, 1}, {"1", "2"}, {"1", "3"});
        QVERIFY(!fallo([&] { CalculaRegresion(dos, '.', R, cero); }).isEmpty());
    }

    void celdaNoNumerica() {
        Study s = ejemploTrabajado();
        s.stgdatos.setCell(2, 3, "2,1");
        ResultadosRegresion R;
        bool cero;
        QCOMPARE(fallo([&] { CalculaRegresion(s, '.', R, cero); }),
                 QString("'2,1' is not a valid floating point value"));
        QCOMPARE(fallo([&] { CalculaRegresion(s, ',', R, cero); }),
                 QString("'1.0' is not a valid floating point value"));
    }

    void cientoCincuentaObservaciones() {
        ResultadosAnova A;
        Residuales r;
        bool cero;
        CalculaAnova(estudioLargo(30, 5), '.', A, cero, r);
        QCOMPARE(r.Estudentizado.size(), std::size_t(150));
        QCOMPARE(r.Observacion.back(), 150);
        QCOMPARE(A.GLError, 148.0);
        QCOMPARE(A.GLErrorPuro, 120.0);
        // A smaller study afterwards leaves the elements beyond its end alone.
        const double ultimo = r.Pronostico.back();
        CalculaAnova(ejemploTrabajado(), '.', A, cero, r);
        QCOMPARE(r.Pronostico.size(), std::size_t(150));
        QCOMPARE(r.Pronostico.back(), ultimo);
    }

    void palancaMinimaEnLaMedia() {
        // X = 1, 2, 3 once each: the middle observation has leverage 1/n, so its studentized
        // residual is residual / sqrt(MCError * (1 - 1/3)).
        ResultadosAnova A;
        Residuales r;
        bool cero;
        CalculaAnova(estudio({1, 1, 1}, {"1", "2", "3"}, {"1", "2.2", "2.9"}), '.', A, cero, r);
        QVERIFY(cerca(r.Estudentizado[1], r.Residual[1] / std::sqrt(A.MCError * (2.0 / 3)), 1e-12));
    }
};

QTEST_APPLESS_MAIN(TestMotor)
#include "tst_motor.moc"
