#include "core/stats/CalculaAnova.h"
#include "core/stats/CalculaRegresion.h"
#include "core/stats/ProbabilidadF.h"
#include "core/stats/StudyObservations.h"
#include "core/stats/TablaT.h"
#include "core/stats/Verdicts.h"
#include "core/text/Errors.h"
#include "core/text/NumberFormat.h"
#include "support/CompareNear.h"
#include "support/TestStudies.h"
#include "support/ThrownMessage.h"

#include <QtTest>

#include <cmath>
#include <numeric>

using namespace linealidad;
using test::study;
using test::workedExample;

namespace {

// The message of the fault that an action throws, or an empty text.
const auto failure = &test::thrownMessage<Fault>;

// n observations, one per level-row, on the line y = 2x + 1 with an alternating wobble.
Study longStudy(int levels, int replicatesPerLevel) {
    std::vector<int> r(static_cast<std::size_t>(levels), replicatesPerLevel);
    std::vector<std::string> x, y;
    for (int i = 1; i <= levels; ++i)
        for (int k = 0; k < replicatesPerLevel; ++k) {
            x.push_back(std::to_string(i * 10));
            y.push_back(formatGeneral(2 * i * 10 + 1 + ((k + i) % 3) * 0.25, 15));
        }
    return study(r, x, y);
}

// The results of one command on `s`, in fresh variables.
struct Regression {
    ResultadosRegresion R;
    bool zero = true;
};
Regression regressionOf(const Study& s) {
    Regression result;
    CalculaRegresion(readObservations(s, '.'), result.R, result.zero);
    return result;
}

struct Anova {
    ResultadosAnova A;
    Residuals r;
    bool zero = true;
};
Anova anovaOf(const Study& s) {
    Anova result;
    CalculaAnova(readObservations(s, '.'), result.A, result.zero, result.r);
    return result;
}

} // namespace

class TestEngine : public QObject {
    Q_OBJECT
private slots:
    void workedExampleRegression() {
        const auto [R, zero] = regressionOf(workedExample());
        QVERIFY(!zero);
        QCOMPARE_NEAR(R.Pendiente, 0.975, 1e-12);
        QCOMPARE_NEAR(R.Ordenada, 0.1, 1e-12);
        QCOMPARE(R.TTabla, 2.7764);
        QCOMPARE_NEAR(R.DesvRegresion, std::sqrt(0.023125), 1e-12);
        QCOMPARE_NEAR(R.TcalOrdenada, 0.608816, 5e-7);
        const double sm = std::sqrt(0.023125) / std::sqrt(8.0 / 2);
        QCOMPARE_NEAR(R.LimSupPendiente, 0.975 + 2.7764 * sm, 1e-12);
        QCOMPARE_NEAR(R.LimInfPendiente, 0.975 - 2.7764 * sm, 1e-12);
        QCOMPARE_NEAR(R.TcalPendiente, 0.975 / sm, 1e-12);
        QCOMPARE_NEAR(R.CoefVariacion, std::sqrt(0.023125) * 100 / (12.3 / 6), 1e-12);
        QCOMPARE_NEAR(R.R2, 3.8025 / (3.8025 + 0.0925), 1e-12);
    }

    void workedExampleAnova() {
        const auto [A, r, zero] = anovaOf(workedExample());
        QVERIFY(!zero);
        QCOMPARE_NEAR(A.SCRegresion, 3.8025, 1e-12);
        QCOMPARE_NEAR(A.MCRegresion, 3.8025, 1e-12);
        QCOMPARE(A.GLError, 4.0);
        QCOMPARE_NEAR(A.SCError, 0.0925, 1e-12);
        QCOMPARE_NEAR(A.MCError, 0.023125, 1e-12);
        // Values known to six digits, to within half a unit of the last one.
        QCOMPARE_NEAR(A.FRegresion, 164.432, 5e-4);
        QCOMPARE_NEAR(A.PRegresion, 0.000898959, 5e-10);
        QCOMPARE(A.GLErrorPuro, 3.0);
        QCOMPARE_NEAR(A.SCErrorPuro, 0.085, 1e-12);
        QCOMPARE_NEAR(A.MCErrorPuro, 0.085 / 3, 1e-12);
        QCOMPARE(A.GLFaltaAjuste, 1.0);
        QCOMPARE_NEAR(A.SCFaltaAjuste, 0.0075, 1e-12);
        QCOMPARE_NEAR(A.FFaltaAjuste, 0.264706, 5e-7);
        QCOMPARE_NEAR(A.PFaltaAjuste, 0.642406, 5e-7);
        QCOMPARE(relationClass(A.PRegresion), Relation::HighlySignificant);
        QCOMPARE(modelClass(A.PFaltaAjuste), LinearModel::Adequate);
    }

    void workedExampleResiduals() {
        const Residuals r = anovaOf(workedExample()).r;
        const double predicted[] = {1.075, 1.075, 2.05, 2.05, 3.025, 3.025};
        const double residual[] = {-0.075, 0.125, 0.05, -0.15, 0.175, -0.125};
        const double studentized[] = {-0.645746, 1.07624, 0.36018, -1.08054, 1.50674, -1.07624};
        QCOMPARE(r.Observacion.size(), std::size_t(6));
        for (std::size_t j = 0; j < 6; ++j) {
            QCOMPARE(r.Observacion[j], int(j) + 1);
            QCOMPARE_NEAR(r.Pronostico[j], predicted[j], 1e-12);
            QCOMPARE_NEAR(r.Residual[j], residual[j], 1e-12);
            QCOMPARE_DIGITS(r.Estudentizado[j], studentized[j], 5);
        }
        QCOMPARE_NEAR(std::accumulate(r.Residual.begin(), r.Residual.end(), 0.0), 0.0, 1e-12);
    }

    // The program's table of Student's t: its listed points, and between two of them the
    // value of the lower one (34, 324).
    void tableT_data() {
        QTest::addColumn<int>("degrees");
        QTest::addColumn<double>("t");
        QTest::newRow("1") << 1 << 12.706;
        QTest::newRow("3") << 3 << 3.1825;
        QTest::newRow("9") << 9 << 2.2622;
        QTest::newRow("23") << 23 << 2.0687;
        QTest::newRow("29") << 29 << 2.0452;
        QTest::newRow("30") << 30 << 2.0423;
        QTest::newRow("34") << 34 << 2.0423;
        QTest::newRow("35") << 35 << 2.0301;
        QTest::newRow("79") << 79 << 1.9945;
        QTest::newRow("199") << 199 << 1.9733;
        QTest::newRow("200") << 200 << 1.9719;
        QTest::newRow("324") << 324 << 1.9719;
    }
    void tableT() {
        QFETCH(int, degrees);
        QFETCH(double, t);
        QCOMPARE(TablaT(degrees), t);
    }

    void tableTOutOfRange() {
        QVERIFY_THROWS_EXCEPTION(ArithmeticError, TablaT(0));
        QVERIFY_THROWS_EXCEPTION(ArithmeticError, TablaT(325));
    }

    void tForTheDegreesOfFreedom() {
        ResultadosRegresion R;
        bool zero;
        CalculaRegresion(
            readObservations(study({1, 1, 1}, {"1", "2", "3"}, {"1", "2.2", "2.9"}), '.'), R, zero);
        QCOMPARE(R.TTabla, 12.706);
        CalculaRegresion(readObservations(longStudy(11, 1), '.'), R, zero);
        QCOMPARE(R.TTabla, 2.2622);
        CalculaRegresion(readObservations(longStudy(5, 5), '.'), R, zero);
        QCOMPARE(R.TTabla, 2.0687);
    }

    void probabilityF() {
        // Each value to within half a unit of its last digit.
        QCOMPARE_NEAR(ProbabilidadF(4.96, 1, 10), 0.04829, 5e-6);
        QCOMPARE_NEAR(ProbabilidadF(10.04, 1, 10), 0.009898, 5e-7);
        QCOMPARE_NEAR(ProbabilidadF(1, 1, 10), 0.3427, 5e-5);
        QCOMPARE_NEAR(ProbabilidadF(0.5, 2, 3), 0.6509, 5e-5);
        QCOMPARE_NEAR(ProbabilidadF(3, 1, 3), 0.1815, 5e-5);
        QCOMPARE(ProbabilidadF(0, 1, 5), 1.0);
        QCOMPARE(ProbabilidadF(-2, 1, 5), 1.0);
        // The core is bounded by 0.5 on either side of F = 1.
        QCOMPARE_LE(ProbabilidadF(1.0001, 30, 2), 0.5);
        QCOMPARE_GE(ProbabilidadF(0.9999, 30, 2), 0.5);
        QCOMPARE(failure([] { Potencia(0, 4); }), QString("Floating point division by zero"));
        QCOMPARE(failure([] { Potencia(-1, 0.5); }), QString("Invalid floating point operation"));
        QCOMPARE_DIGITS(Potencia(2, 10), 1024, 12);
    }

    void extendedThresholds() {
        QCOMPARE(relationClass(0.05), Relation::NoDependence);
        QCOMPARE(relationClass(std::nextafter(0.05, 0.0)), Relation::Significant);
        QCOMPARE(relationClass(0.01), Relation::Significant);
        QCOMPARE(relationClass(std::nextafter(0.01, 0.0)), Relation::HighlySignificant);
        QCOMPARE(modelClass(0.05), LinearModel::Adequate);
        QCOMPARE(modelClass(0.01), LinearModel::NotAdequate);
        // The doubles nearest to the thresholds lie above their extended values.
        QVERIFY(static_cast<long double>(0.05) > 0.05L);
        QVERIFY(static_cast<long double>(std::nextafter(0.05, 0.0)) <= 0.05L);
        QVERIFY(static_cast<long double>(0.01) > 0.01L);
        QVERIFY(static_cast<long double>(std::nextafter(0.01, 0.0)) <= 0.01L);
    }

    void originVerdictCases() {
        ResultadosRegresion R;
        R.TTabla = 2.7764;
        R.TcalOrdenada = -2.7764; // |t| exactly equal: differs from zero
        QCOMPARE(originVerdict(R, 0.01), Origin::DoesNotPass);
        QCOMPARE(originVerdict(R, 0.2), Origin::NoVerdict);
        QCOMPARE(originVerdict(R, 0.05), Origin::NoVerdict);
        R.TcalOrdenada = 0.60882;
        QCOMPARE(originVerdict(R, 0.2), Origin::Passes);
        QCOMPARE(originVerdict(R, 0.001), Origin::Passes);
    }

    void zeroSlopeKeepsWhatWasBefore() {
        ResultadosRegresion R;
        ResultadosAnova A;
        Residuals r;
        bool zero;
        CalculaRegresion(readObservations(workedExample(), '.'), R, zero);
        CalculaAnova(readObservations(workedExample(), '.'), A, zero, r);
        const ResultadosRegresion regressionBefore = R;
        const ResultadosAnova anovaBefore = A;
        const Residuals residualsBefore = r;

        const Study plain =
            study({2, 2, 2}, {"1", "1", "2", "2", "3", "3"}, {"4", "4", "4", "4", "4", "4"});
        CalculaRegresion(readObservations(plain, '.'), R, zero);
        QVERIFY(zero);
        QCOMPARE(R.Pendiente, 0.0);
        QCOMPARE(R.Ordenada, 4.0);
        QCOMPARE(R.R2, regressionBefore.R2);
        QCOMPARE(R.TTabla, regressionBefore.TTabla);
        QCOMPARE(R.LimSupPendiente, regressionBefore.LimSupPendiente);

        zero = false;
        CalculaAnova(readObservations(plain, '.'), A, zero, r);
        QVERIFY(zero);
        QCOMPARE(A.SCRegresion, anovaBefore.SCRegresion);
        QCOMPARE(A.PRegresion, anovaBefore.PRegresion);
        QCOMPARE(r.Pronostico, residualsBefore.Pronostico);
    }

    void withoutPureErrorKeepsTheLackOfFit() {
        const ResultadosAnova before = anovaOf(workedExample()).A;
        ResultadosAnova A = before;
        Residuals r;
        bool zero;
        CalculaAnova(readObservations(study({1, 1, 1}, {"1", "2", "3"}, {"1", "2.2", "2.9"}), '.'),
                     A, zero, r);
        QCOMPARE(A.GLErrorPuro, 0.0);
        QCOMPARE(A.GLError, 1.0);
        QCOMPARE(A.SCFaltaAjuste, before.SCFaltaAjuste);
        QCOMPARE(A.PFaltaAjuste, before.PFaltaAjuste);
        QCOMPARE(A.MCErrorPuro, before.MCErrorPuro);
    }

    void negativeCoefficientOfVariation() {
        const Regression fit =
            regressionOf(study({1, 1, 1}, {"1", "2", "3"}, {"-10", "-12.2", "-13.9"}));
        QCOMPARE_LT(fit.R.CoefVariacion, 0.0);
    }

    void arithmeticFaults() {
        ResultadosRegresion R;
        ResultadosAnova A;
        Residuals r;
        bool zero;
        const Study perfect = study({1, 1, 1}, {"1", "2", "3"}, {"2", "4", "6"});
        QCOMPARE(failure([&] { CalculaRegresion(readObservations(perfect, '.'), R, zero); }),
                 QString("Floating point division by zero"));
        QCOMPARE(failure([&] { CalculaAnova(readObservations(perfect, '.'), A, zero, r); }),
                 QString("Invalid floating point operation"));

        const Study sameX = study({1, 1, 1}, {"2", "2", "2"}, {"1", "2", "3"});
        QVERIFY(
            !failure([&] { CalculaRegresion(readObservations(sameX, '.'), R, zero); }).isEmpty());

        // A level without replicates divides its empty sum by zero.
        const Study withoutReplicates = study({3, 0, 3}, {"1", "1", "1", "3", "3", "3"},
                                              {"1", "1.1", "1.2", "3", "3.2", "2.9"});
        QCOMPARE(
            failure([&] { CalculaAnova(readObservations(withoutReplicates, '.'), A, zero, r); }),
            QString("Invalid floating point operation"));

        // Identical replicates: the pure-error mean square is zero.
        const Study repeated =
            study({2, 2, 2}, {"1", "1", "2", "2", "3", "3"}, {"1", "1", "2.5", "2.5", "3", "3"});
        QCOMPARE(failure([&] { CalculaAnova(readObservations(repeated, '.'), A, zero, r); }),
                 QString("Floating point division by zero"));

        const Study two = study({1, 1}, {"1", "2"}, {"1", "3"});
        QVERIFY(!failure([&] { CalculaRegresion(readObservations(two, '.'), R, zero); }).isEmpty());
    }

    void hundredFiftyObservations() {
        ResultadosAnova A;
        Residuals r;
        bool zero;
        CalculaAnova(readObservations(longStudy(30, 5), '.'), A, zero, r);
        QCOMPARE(r.Estudentizado.size(), std::size_t(150));
        QCOMPARE(r.Observacion.back(), 150);
        QCOMPARE(A.GLError, 148.0);
        QCOMPARE(A.GLErrorPuro, 120.0);
        // A smaller study afterwards leaves the elements beyond its end alone.
        const double last = r.Pronostico.back();
        CalculaAnova(readObservations(workedExample(), '.'), A, zero, r);
        QCOMPARE(r.Pronostico.size(), std::size_t(150));
        QCOMPARE(r.Pronostico.back(), last);
    }

    void smallestLeverageAtTheMean() {
        // X = 1, 2, 3 once each: the middle observation has leverage 1/n, so its studentized
        // residual is residual / sqrt(MCError * (1 - 1/3)).
        const auto [A, r, zero] = anovaOf(study({1, 1, 1}, {"1", "2", "3"}, {"1", "2.2", "2.9"}));
        QCOMPARE_NEAR(r.Estudentizado[1], r.Residual[1] / std::sqrt(A.MCError * (2.0 / 3)), 1e-12);
    }
};

QTEST_APPLESS_MAIN(TestEngine)
#include "tst_engine.moc"
