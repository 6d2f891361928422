// The fit against certified results: the "Norris" data set of the NIST Statistical Reference
// Datasets (StRD), linear regression, lower difficulty, y = b0 + b1·x over 36 observations
// (a calibration of ozone monitors), with results certified to 15 significant digits. The
// observations below, fitted in exact rational arithmetic, give every certified value to all
// 15 digits.

#include "core/stats/CalculaAnova.h"
#include "core/stats/CalculaRegresion.h"
#include "core/study/ValidaEstudio.h"
#include "support/CompareNear.h"
#include "support/TestStudies.h"

#include <QtTest>

using namespace linealidad;

namespace {

// The observations as NIST lists them, (y, x), in its order.
struct Observation {
    const char* y;
    const char* x;
};
constexpr Observation kNorris[] = {
    {"0.1", "0.2"},     {"338.8", "337.4"}, {"118.1", "118.2"}, {"888.0", "884.6"},
    {"9.2", "10.1"},    {"228.1", "226.5"}, {"668.5", "666.3"}, {"998.5", "996.3"},
    {"449.1", "448.6"}, {"778.9", "777.0"}, {"559.2", "558.2"}, {"0.3", "0.4"},
    {"0.1", "0.6"},     {"778.1", "775.5"}, {"668.8", "666.9"}, {"339.3", "338.0"},
    {"448.9", "447.5"}, {"10.8", "11.6"},   {"557.7", "556.0"}, {"228.3", "228.1"},
    {"998.0", "995.8"}, {"888.8", "887.6"}, {"119.6", "120.2"}, {"0.3", "0.3"},
    {"0.6", "0.3"},     {"557.6", "556.8"}, {"339.3", "339.1"}, {"888.0", "887.2"},
    {"998.5", "999.0"}, {"778.9", "779.0"}, {"10.2", "11.1"},   {"117.6", "118.3"},
    {"228.9", "229.2"}, {"668.4", "669.1"}, {"449.2", "448.9"}, {"0.2", "0.5"},
};

// The certified values, to 15 significant digits.
constexpr double kSlope = 1.00211681802045;
constexpr double kIntercept = -0.262323073774029;
constexpr double kResidualStandardDeviation = 0.884796396144373;
constexpr double kRSquared = 0.999993745883712;
constexpr double kRegressionSumOfSquares = 4255954.13232369;
constexpr double kResidualSumOfSquares = 26.6173985294224;

// The observations fall around eleven amounts: blanks (x below 1), about 10, and every
// 110 or so up to 1000, three replicates each but six blanks. A study holds ten levels at
// most, so the blanks and the amount near 10 make the lowest level, as a lab would group its
// low end; the other nine levels follow in increasing order, each in the order NIST lists it.
Study norrisStudy() {
    const double bounds[] = {12, 150, 260, 370, 480, 600, 700, 820, 950, 1100};
    std::vector<int> replicates;
    std::vector<std::string> x, y;
    double low = -1;
    for (const double high : bounds) {
        int count = 0;
        for (const Observation& o : kNorris) {
            const double value = std::stod(o.x);
            if (value > low && value < high) {
                x.push_back(o.x);
                y.push_back(o.y);
                ++count;
            }
        }
        replicates.push_back(count);
        low = high;
    }
    return test::study(replicates, x, y);
}

} // namespace

class TestCertifiedFit : public QObject {
    Q_OBJECT
private slots:
    void norrisStudyIsAValidStudy() {
        const Study study = norrisStudy();
        QCOMPARE(study.eniveles, std::string("10"));
        QCOMPARE(study.stgdatos.rowCount() - 1, 36);
        QCOMPARE(study.stgniveles.cell(1, 1), std::string("9"));
        QVERIFY(!ValidaEstudio(study));
    }

    // Each result with the significant digits it must share with the certified value: the
    // digits the engine reaches, rounded down. The residual sum of squares (and Sy/x, its
    // root) is a difference of sums near 10^7 that ends near 27, which costs it five digits.
    void norrisFit_data() {
        QTest::addColumn<double>("computed");
        QTest::addColumn<double>("certified");
        QTest::addColumn<int>("digits");

        const Study study = norrisStudy();
        ResultadosRegresion R;
        ResultadosAnova A;
        Residuals residuals;
        bool zeroSlope = true;
        CalculaRegresion(study, '.', R, zeroSlope);
        QVERIFY(!zeroSlope);
        CalculaAnova(study, '.', A, zeroSlope, residuals);
        QCOMPARE(A.GLError, 34.0);

        QTest::newRow("pendiente") << R.Pendiente << kSlope << 13;
        QTest::newRow("ordenada") << R.Ordenada << kIntercept << 11;
        QTest::newRow("Sy/x") << R.DesvRegresion << kResidualStandardDeviation << 10;
        QTest::newRow("r2") << R.R2 << kRSquared << 15;
        QTest::newRow("SC regresión") << A.SCRegresion << kRegressionSumOfSquares << 14;
        QTest::newRow("SC error") << A.SCError << kResidualSumOfSquares << 10;
    }

    void norrisFit() {
        QFETCH(double, computed);
        QFETCH(double, certified);
        QFETCH(int, digits);
        QCOMPARE_DIGITS(computed, certified, digits);
    }
};

QTEST_APPLESS_MAIN(TestCertifiedFit)
#include "tst_certifiedfit.moc"
