// The fit against certified results: the "Norris" data set of the NIST Statistical Reference
// Datasets (StRD), as the program ships it for its own verification (NorrisData.h). The
// observations, fitted in exact rational arithmetic, give every certified value to all 15
// digits; here each figure must reach the digits the engine reaches. The certified values are
// written here as NIST publishes them, not taken from the program, so a wrong constant in the
// program's own verification cannot hide a wrong fit.

#include "core/stats/CalculaAnova.h"
#include "core/stats/CalculaRegresion.h"
#include "core/stats/StudyObservations.h"
#include "core/study/ValidaEstudio.h"
#include "core/verification/NorrisData.h"
#include "support/CompareNear.h"

#include <QtTest>

using namespace linealidad;

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
        const Observations data = readObservations(study, '.');
        CalculaRegresion(data, R, zeroSlope);
        QVERIFY(!zeroSlope);
        CalculaAnova(data, A, zeroSlope, residuals);
        QCOMPARE(A.GLError, 34.0);

        QTest::newRow("pendiente") << R.Pendiente << 1.00211681802045 << 13;
        QTest::newRow("ordenada") << R.Ordenada << -0.262323073774029 << 11;
        QTest::newRow("Sy/x") << R.DesvRegresion << 0.884796396144373 << 10;
        QTest::newRow("r2") << R.R2 << 0.999993745883712 << 15;
        QTest::newRow("SC regresión") << A.SCRegresion << 4255954.13232369 << 14;
        QTest::newRow("SC error") << A.SCError << 26.6173985294224 << 10;
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
