#include "core/stats/CalculaAnova.h"
#include "core/stats/CalculaRegresion.h"
#include "core/stats/FormulaChoice.h"
#include "core/stats/ProbabilidadF.h"
#include "core/stats/StudyObservations.h"
#include "core/stats/TablaT.h"
#include "core/study/StudyFile.h"
#include "core/text/Errors.h"
#include "core/text/NumberFormat.h"
#include "core/text/NumberParse.h"
#include "support/TestStudies.h"
#include "support/ThrownMessage.h"

#include <QtTest>

#include <cmath>
#include <gmpxx.h>
#include <limits>

using namespace linealidad;

Q_DECLARE_METATYPE(std::vector<double>)

namespace {

using Rational = mpq_class;
using Real = mpf_class; // 256 bits, set in initTestCase

// What the program computes from a study: the fit, the analysis of variance, the residuals.
struct Figures {
    ResultadosRegresion R;
    ResultadosAnova A;
    Residuals r;
};

// The figures of the study's X and Y (the doubles the program reads) computed exactly: the
// least-squares formulas in rational arithmetic, the square roots in 256-bit floating point,
// the probabilities by the program's own ProbabilidadF of the exact F ratios.
Figures exactFigures(const Study& study, const std::vector<int>& replicates) {
    std::vector<Rational> X, Y;
    for (int j = 1; j < study.stgdatos.rowCount(); ++j) {
        X.emplace_back(parseFloat(study.stgdatos.cell(1, j)));
        Y.emplace_back(parseFloat(study.stgdatos.cell(2, j)));
    }
    const int n = static_cast<int>(X.size());
    Rational meanX, meanY;
    for (int j = 0; j < n; ++j) {
        meanX += X[j] / n;
        meanY += Y[j] / n;
    }
    Rational Sxx, Syy, Sxy;
    for (int j = 0; j < n; ++j) {
        Sxx += (X[j] - meanX) * (X[j] - meanX);
        Syy += (Y[j] - meanY) * (Y[j] - meanY);
        Sxy += (X[j] - meanX) * (Y[j] - meanY);
    }
    const Rational m = Sxy / Sxx;
    const Rational b = meanY - m * meanX;
    const Rational SCE = Syy - m * Sxy;
    const Rational SCR = m * Sxy;
    const Rational CME = SCE / (n - 2);
    const Real s = sqrt(Real(CME));
    const Real sm = sqrt(Real(Rational(CME / Sxx)));
    const Real sb = sqrt(Real(Rational((Rational(1) / n + meanX * meanX / Sxx) * CME)));
    const Real t(TablaT(n - 2));

    Figures f;
    f.R.Pendiente = m.get_d();
    f.R.Ordenada = b.get_d();
    f.R.LimSupPendiente = Real(Real(m) + t * sm).get_d();
    f.R.LimInfPendiente = Real(Real(m) - t * sm).get_d();
    f.R.TcalPendiente = Real(Real(m) / sm).get_d();
    f.R.LimSupOrdenada = Real(Real(b) + t * sb).get_d();
    f.R.LimInfOrdenada = Real(Real(b) - t * sb).get_d();
    f.R.TcalOrdenada = Real(Real(b) / sb).get_d();
    f.R.DesvRegresion = s.get_d();
    f.R.CoefVariacion = Real(s * 100 / Real(meanY)).get_d();
    f.R.TTabla = t.get_d();
    f.R.R2 = Rational(SCR / Syy).get_d();

    f.A.SCRegresion = f.A.MCRegresion = SCR.get_d();
    f.A.FRegresion = Rational(SCR / CME).get_d();
    f.A.PRegresion = ProbabilidadF(f.A.FRegresion, 1, n - 2);
    f.A.GLError = n - 2;
    f.A.SCError = SCE.get_d();
    f.A.MCError = CME.get_d();
    Rational SCPE;
    int k = 0;
    for (int r : replicates) {
        Rational levelMean;
        for (int j = k; j < k + r; ++j)
            levelMean += Y[j] / r;
        for (int j = k; j < k + r; ++j)
            SCPE += (Y[j] - levelMean) * (Y[j] - levelMean);
        k += r;
        f.A.GLErrorPuro += r - 1;
    }
    const Rational MCPE = SCPE / f.A.GLErrorPuro;
    f.A.GLFaltaAjuste = f.A.GLError - f.A.GLErrorPuro;
    const Rational MCLOF = (SCE - SCPE) / f.A.GLFaltaAjuste;
    f.A.SCErrorPuro = SCPE.get_d();
    f.A.MCErrorPuro = MCPE.get_d();
    f.A.SCFaltaAjuste = Rational(SCE - SCPE).get_d();
    f.A.MCFaltaAjuste = MCLOF.get_d();
    f.A.FFaltaAjuste = Rational(MCLOF / MCPE).get_d();
    f.A.PFaltaAjuste = ProbabilidadF(f.A.FFaltaAjuste, f.A.GLFaltaAjuste, f.A.GLErrorPuro);

    for (int j = 0; j < n; ++j) {
        const Rational predicted = X[j] * m + b;
        const Rational residual = Y[j] - predicted;
        const Rational leverage = Rational(1) / n + (X[j] - meanX) * (X[j] - meanX) / Sxx;
        f.r.Observacion.push_back(j + 1);
        f.r.Pronostico.push_back(predicted.get_d());
        f.r.Residual.push_back(residual.get_d());
        f.r.Estudentizado.push_back(
            Real(Real(residual) / sqrt(Real(Rational(CME * (1 - leverage))))).get_d());
    }
    return f;
}

// How far the figure lies from the exact value, as printed in general format with `precision`
// digits and as computed, in units of its last printed digit.
struct Agreement {
    double printed, computed;
};
Agreement lastDigitsOff(double value, double exact, int precision) {
    const double printed = parseFloat(formatGeneral(value, precision));
    const double magnitude = std::max(std::fabs(printed), std::fabs(exact));
    if (magnitude == 0)
        return {0, 0};
    const double unit = std::pow(10.0, std::floor(std::log10(magnitude)) - (precision - 1));
    return {std::fabs(printed - exact) / unit, std::fabs(value - exact) / unit};
}

// value + 10^power, written out exactly: "2.9" and 4 give "10002.9".
QString plusPowerOfTen(const QString& value, int power) {
    const qsizetype point = value.indexOf('.');
    const QString whole = point < 0 ? value : value.left(point);
    const QString fraction = point < 0 ? QString() : value.mid(point);
    return "1" + whole.rightJustified(power, '0') + fraction;
}

QStringList shifted(const QStringList& values, int power) {
    QStringList result;
    for (const QString& value : values)
        result << (power == 0 ? value : plusPowerOfTen(value, power));
    return result;
}

QStringList withSuffix(const QStringList& values, const QString& prefix, const QString& suffix) {
    QStringList result;
    for (const QString& value : values)
        result << prefix + value + suffix;
    return result;
}

std::vector<std::string> toStd(const QStringList& values) {
    std::vector<std::string> result;
    for (const QString& value : values)
        result.push_back(value.toStdString());
    return result;
}

const QList<int> kWorkedLevels{2, 2, 2};
const QStringList kWorkedX{"1", "1", "2", "2", "3", "3"};
const QStringList kWorkedY{"1.0", "1.2", "2.1", "1.9", "3.2", "2.9"};

// The message of the fault that an action throws, or an empty text.
const auto failure = &test::thrownMessage<Fault>;

// The worst agreement of a computed figure seen over every case, for the summary.
double worstOff = 0;
QString worstFigure;

} // namespace

// Studies whose raw sums cancel, or whose squares leave the range of doubles, against their
// exactly computed figures: every printed figure within one unit of its last digit.
class TestCancellation : public QObject {
    Q_OBJECT

    QString caseName;
    double caseWorst = 0;

    void compare(const char* field, double value, double exact, int precision = 6) {
        const Agreement off = lastDigitsOff(value, exact, precision);
        caseWorst = std::max(caseWorst, off.computed);
        if (off.computed > worstOff) {
            worstOff = off.computed;
            worstFigure = caseName + ": " + field;
        }
        QVERIFY2(off.printed <= 1,
                 qPrintable(QString("%1 = %2, exact %3 (printed %4 units of the last digit off)")
                                .arg(field)
                                .arg(value, 0, 'g', 17)
                                .arg(exact, 0, 'g', 17)
                                .arg(off.printed)));
    }

private slots:
    void initTestCase() { mpf_set_default_prec(256); }

    void cleanupTestCase() {
        qInfo("worst computed figure: %.3g units of its last printed digit off (%s)", worstOff,
              qPrintable(worstFigure));
    }

    void everyPrintedFigure_data() {
        QTest::addColumn<QList<int>>("levels");
        QTest::addColumn<QStringList>("x");
        QTest::addColumn<QStringList>("y");
        QTest::addColumn<bool>("centred");

        // The worked example moved away from zero: in X, in Y, in both.
        for (int px : {0, 4, 6, 8})
            for (int py : {0, 4, 6, 8})
                QTest::addRow("ejemplo X+1e%d Y+1e%d", px, py)
                    << kWorkedLevels << shifted(kWorkedX, px) << shifted(kWorkedY, py)
                    << (px + py > 0);
        QTest::newRow("ejemplo X+500 Y+500 (sin cancelación)")
            << kWorkedLevels << withSuffix(kWorkedX, "50", "") << withSuffix(kWorkedY, "50", "")
            << false;
        QTest::newRow("ejemplo en -1e8")
            << kWorkedLevels << withSuffix(shifted(kWorkedX, 8), "-", "")
            << withSuffix(shifted(kWorkedY, 8), "-", "") << true;

        // Y near 10⁸ with a spread of 8, and a line that fits almost exactly.
        const QStringList fiveLevels{"1", "1", "2", "2", "3", "3", "4", "4", "5", "5"};
        QTest::newRow("Y 1e8 amplitud 8")
            << QList<int>{2, 2, 2, 2, 2} << fiveLevels
            << QStringList{"100000001.02", "100000000.98", "100000003.03", "100000002.97",
                           "100000005.01", "100000004.99", "100000007.04", "100000006.96",
                           "100000009.02", "100000008.98"}
            << true;
        QTest::newRow("casi exacta X+1e6 Y+1e6")
            << QList<int>{2, 2, 2, 2, 2} << shifted(fiveLevels, 6)
            << shifted({"3.0001", "2.9999", "5.0002", "4.9998", "7.0001", "6.9999", "9.0003",
                        "8.9997", "11.0001", "10.9999"},
                       6)
            << true;

        // A lab's own data, as it is and far from zero.
        const Study hplc = readStudy(LINEALIDAD_EJEMPLOS "/hplc-5x5.w02");
        QStringList hx, hy;
        for (int j = 1; j < hplc.stgdatos.rowCount(); ++j) {
            hx << QString::fromStdString(hplc.stgdatos.cell(1, j));
            hy << QString::fromStdString(hplc.stgdatos.cell(2, j));
        }
        const QList<int> hplcLevels{5, 5, 5, 5, 5};
        QTest::newRow("hplc") << hplcLevels << hx << hy << false;
        QTest::newRow("hplc Y+1e6") << hplcLevels << hx << shifted(hy, 6) << true;
        QTest::newRow("hplc X+1e4 Y+1e8") << hplcLevels << shifted(hx, 4) << shifted(hy, 8) << true;

        // 150 observations near 10⁶: X = 10⁶ + 10 i, Y = 10⁶ + 20 i + 1 + a quarter wobble.
        QList<int> thirty;
        QStringList lx, ly;
        for (int i = 1; i <= 30; ++i) {
            thirty << 5;
            for (int k = 0; k < 5; ++k) {
                const long long quarters = 4'000'000 + 80 * i + 4 + (k + i) % 3;
                lx << QString::number(1'000'000 + 10 * i);
                ly << QString("%1.%2").arg(quarters / 4).arg(quarters % 4 * 25, 2, 10, QChar('0'));
            }
        }
        QTest::newRow("150 observaciones en 1e6") << thirty << lx << ly << true;

        // Squares and products beyond the normal range: subnormal, and overflowing.
        QTest::newRow("X 1e-160") << kWorkedLevels << withSuffix(kWorkedX, "", "E-160") << kWorkedY
                                  << true;
        QTest::newRow("X 1e200") << kWorkedLevels << withSuffix(kWorkedX, "", "E200") << kWorkedY
                                 << true;
        // n·Σy² still fits at 10¹⁵³; four times larger, the squares overflow.
        QTest::newRow("Y 1e153") << kWorkedLevels << kWorkedX << withSuffix(kWorkedY, "", "E153")
                                 << false;
        QTest::newRow("Y 4e153") << kWorkedLevels << kWorkedX
                                 << QStringList{"4.0E153", "4.8E153",  "8.4E153",
                                                "7.6E153", "12.8E153", "11.6E153"}
                                 << true;
        QTest::newRow("X 1e-160 Y 1e140") << kWorkedLevels << withSuffix(kWorkedX, "", "E-160")
                                          << withSuffix(kWorkedY, "", "E140") << true;
    }

    void everyPrintedFigure() {
        QFETCH(QList<int>, levels);
        QFETCH(QStringList, x);
        QFETCH(QStringList, y);
        QFETCH(bool, centred);
        const std::vector<int> replicates(levels.begin(), levels.end());
        const Study study = test::study(replicates, toStd(x), toStd(y));
        caseName = QTest::currentDataTag();
        caseWorst = 0;

        const Observations data = readObservations(study, '.');
        QCOMPARE(sumObservations(data).formulas == Formulas::Centred, centred);

        Figures f;
        bool zero = true;
        CalculaRegresion(data, f.R, zero);
        QVERIFY(!zero);
        CalculaAnova(data, f.A, zero, f.r);
        QVERIFY(!zero);
        const Figures e = exactFigures(study, replicates);

        compare("Pendiente", f.R.Pendiente, e.R.Pendiente);
        compare("Ordenada", f.R.Ordenada, e.R.Ordenada);
        compare("LimSupPendiente", f.R.LimSupPendiente, e.R.LimSupPendiente);
        compare("LimInfPendiente", f.R.LimInfPendiente, e.R.LimInfPendiente);
        compare("TcalPendiente", f.R.TcalPendiente, e.R.TcalPendiente);
        compare("LimSupOrdenada", f.R.LimSupOrdenada, e.R.LimSupOrdenada);
        compare("LimInfOrdenada", f.R.LimInfOrdenada, e.R.LimInfOrdenada);
        compare("TcalOrdenada", f.R.TcalOrdenada, e.R.TcalOrdenada);
        compare("DesvRegresion", f.R.DesvRegresion, e.R.DesvRegresion);
        compare("CoefVariacion", f.R.CoefVariacion, e.R.CoefVariacion);
        QCOMPARE(f.R.TTabla, e.R.TTabla);
        compare("R2", f.R.R2, e.R.R2, 10);

        compare("SCRegresion", f.A.SCRegresion, e.A.SCRegresion);
        compare("MCRegresion", f.A.MCRegresion, e.A.MCRegresion);
        compare("FRegresion", f.A.FRegresion, e.A.FRegresion);
        compare("PRegresion", f.A.PRegresion, e.A.PRegresion);
        QCOMPARE(f.A.GLError, e.A.GLError);
        compare("SCError", f.A.SCError, e.A.SCError);
        compare("MCError", f.A.MCError, e.A.MCError);
        QCOMPARE(f.A.GLFaltaAjuste, e.A.GLFaltaAjuste);
        compare("SCFaltaAjuste", f.A.SCFaltaAjuste, e.A.SCFaltaAjuste);
        compare("MCFaltaAjuste", f.A.MCFaltaAjuste, e.A.MCFaltaAjuste);
        compare("FFaltaAjuste", f.A.FFaltaAjuste, e.A.FFaltaAjuste);
        compare("PFaltaAjuste", f.A.PFaltaAjuste, e.A.PFaltaAjuste);
        QCOMPARE(f.A.GLErrorPuro, e.A.GLErrorPuro);
        compare("SCErrorPuro", f.A.SCErrorPuro, e.A.SCErrorPuro);
        compare("MCErrorPuro", f.A.MCErrorPuro, e.A.MCErrorPuro);

        QCOMPARE(f.r.Observacion, e.r.Observacion);
        for (std::size_t j = 0; j < e.r.Pronostico.size(); ++j) {
            compare("Pronostico", f.r.Pronostico[j], e.r.Pronostico[j]);
            compare("Residual", f.r.Residual[j], e.r.Residual[j]);
            compare("Estudentizado", f.r.Estudentizado[j], e.r.Estudentizado[j]);
        }
        qInfo("worst computed figure: %.3g units of its last printed digit off", caseWorst);
    }

    void theRule_data() {
        QTest::addColumn<std::vector<double>>("x");
        QTest::addColumn<std::vector<double>>("y");
        QTest::addColumn<bool>("centred");
        // Σy²/Syy = 1.5 c² + 1 for Y = c - 1, c, c + 1: above 10⁶ from c = 817.
        QTest::newRow("Y en 816") << std::vector<double>{1, 2, 3}
                                  << std::vector<double>{815, 816, 817} << false;
        QTest::newRow("Y en 817") << std::vector<double>{1, 2, 3}
                                  << std::vector<double>{816, 817, 818} << true;
        QTest::newRow("X en 816") << std::vector<double>{815, 816, 817}
                                  << std::vector<double>{1, 2, 3} << false;
        QTest::newRow("X en 817") << std::vector<double>{816, 817, 818}
                                  << std::vector<double>{1, 2, 3} << true;
        // Squares that leave the normal range: subnormal below about 1.5e-154, infinite above
        // about 1.3e154.
        QTest::newRow("X 1e-150") << std::vector<double>{1e-150, 2e-150, 3e-150}
                                  << std::vector<double>{1, 2, 3} << false;
        QTest::newRow("X 1e-160") << std::vector<double>{1e-160, 2e-160, 3e-160}
                                  << std::vector<double>{1, 2, 3} << true;
        QTest::newRow("Y 1e150") << std::vector<double>{1, 2, 3}
                                 << std::vector<double>{1e150, 2e150, 3e150} << false;
        QTest::newRow("Y 1e155") << std::vector<double>{1, 2, 3}
                                 << std::vector<double>{1e155, 2e155, 3e155} << true;
        // Equal values have no spread at all: every digit of their squares cancels.
        QTest::newRow("Y iguales")
            << std::vector<double>{1, 2, 3} << std::vector<double>{0.1, 0.1, 0.1} << true;
        QTest::newRow("X iguales")
            << std::vector<double>{2, 2, 2} << std::vector<double>{1, 2, 3} << true;
        QTest::newRow("Y cero") << std::vector<double>{1, 2, 3} << std::vector<double>{0, 0, 0}
                                << false;
    }

    void theRule() {
        QFETCH(std::vector<double>, x);
        QFETCH(std::vector<double>, y);
        QFETCH(bool, centred);
        const Observations data{x, y, {}};
        QCOMPARE(chooseFormulas(data, rawSums(data), CentredSums(data)) == Formulas::Centred,
                 centred);
    }

    // The centred formulas fail where the raw ones do on exact data, with the same messages.
    void faults_data() {
        QTest::addColumn<QList<int>>("levels");
        QTest::addColumn<QStringList>("x");
        QTest::addColumn<QStringList>("y");
        QTest::addColumn<QString>("regression");
        QTest::addColumn<QString>("anova");
        const QString invalid = "Invalid floating point operation";
        const QString byZero = "Floating point division by zero";
        const QString overflow = "Floating point overflow";
        QTest::newRow("X iguales en 1e8")
            << QList<int>{1, 1, 1} << QStringList{"100000002", "100000002", "100000002"}
            << QStringList{"1", "2", "3"} << invalid << invalid;
        QTest::newRow("ajuste exacto en 1e8") << QList<int>{1, 1, 1} << shifted({"1", "2", "3"}, 8)
                                              << QStringList{"2", "4", "6"} << byZero << invalid;
        QTest::newRow("réplicas idénticas en 1e8")
            << kWorkedLevels << shifted(kWorkedX, 8)
            << shifted({"1", "1", "2.5", "2.5", "3", "3"}, 8) << QString() << byZero;
        QTest::newRow("nivel sin réplicas en 1e8")
            << QList<int>{3, 0, 3} << shifted({"1", "1", "1", "3", "3", "3"}, 8)
            << shifted({"1", "1.1", "1.2", "3", "3.2", "2.9"}, 8) << QString() << invalid;
        // Figures beyond the range of doubles: sums of squares near 4e308, a slope of 1e310.
        QTest::newRow("Y 1e154") << kWorkedLevels << kWorkedX << withSuffix(kWorkedY, "", "E154")
                                 << QString() << overflow;
        QTest::newRow("X 1e-160 Y 1e150")
            << kWorkedLevels << withSuffix(kWorkedX, "", "E-160")
            << withSuffix(kWorkedY, "", "E150") << overflow << overflow;
    }

    void faults() {
        QFETCH(QList<int>, levels);
        QFETCH(QStringList, x);
        QFETCH(QStringList, y);
        QFETCH(QString, regression);
        QFETCH(QString, anova);
        const Study study =
            test::study(std::vector<int>(levels.begin(), levels.end()), toStd(x), toStd(y));
        const Observations data = readObservations(study, '.');
        QCOMPARE(sumObservations(data).formulas, Formulas::Centred);
        Figures f;
        bool zero = true;
        QCOMPARE(failure([&] { CalculaRegresion(data, f.R, zero); }), regression);
        QCOMPARE(failure([&] { CalculaAnova(data, f.A, zero, f.r); }), anova);
        QVERIFY(!zero);
    }

    void equalYGiveAZeroSlope() {
        // 0.1 + 0.1 + 0.1 is not 0.3 in binary, so the raw sums see a slope; there is none.
        for (const QStringList& y : {QStringList{"0.1", "0.1", "0.1", "0.1", "0.1", "0.1"},
                                     shifted({"0.7", "0.7", "0.7", "0.7", "0.7", "0.7"}, 8)}) {
            const Study study = test::study({2, 2, 2}, toStd(shifted(kWorkedX, 4)), toStd(y));
            const Observations data = readObservations(study, '.');
            Figures f;
            bool zero = false;
            CalculaRegresion(data, f.R, zero);
            QVERIFY(zero);
            QCOMPARE(f.R.Pendiente, 0.0);
            QCOMPARE(f.R.Ordenada, parseFloat(y.front().toStdString()));
            zero = false;
            CalculaAnova(data, f.A, zero, f.r);
            QVERIFY(zero);
            QVERIFY(f.r.Pronostico.empty());
        }
    }
};

QTEST_APPLESS_MAIN(TestCancellation)
#include "tst_cancellation.moc"
