#include "core/results/InverseCommand.h"
#include "core/results/ResultSet.h"
#include "core/stats/Calibration.h"
#include "support/CompareNear.h"
#include "support/RowsToString.h"
#include "support/TestStudies.h"

#include <QtTest>

using namespace linealidad;

Q_DECLARE_METATYPE(Study)
using test::study;

namespace {

const std::vector<std::string> kWorkedY{"1.0", "1.2", "2.1", "1.9", "3.2", "2.9"};

// Three levels of two replicates at X = 1, 2, 3 (m = 0.975, b = 0.1, ȳ = 2.05, Sxx = 4).
Study worked() {
    return study({2, 2, 2}, {"1", "1", "2", "2", "3", "3"}, kWorkedY);
}

// The same, every X moved by 10⁸: the raw sums lose every digit of Sxx, so the fit takes the
// sums around the means; the intervals must be those of the unmoved data.
Study offset() {
    return study({2, 2, 2},
                 {"100000001", "100000001", "100000002", "100000002", "100000003", "100000003"},
                 kWorkedY);
}

// The worked example's responses in reverse: a negative slope (m = -0.975, b = 4).
Study falling() {
    return study({2, 2, 2}, {"1", "1", "2", "2", "3", "3"},
                 {"3.2", "2.9", "2.1", "1.9", "1.0", "1.2"});
}

// A fluorescence calibration, seven standards of one replicate, used as the worked example of
// inverse prediction in Miller & Miller, Statistics and Chemometrics for Analytical Chemistry
// (section 5.6): there x0 = 0.72, 6.21 and 11.13 for responses 2.9, 13.5 and 23.0, with s_x0 =
// 0.26, 0.24 and 0.26, and 0.14 for 13.5 as the mean of four readings.
Study fluorescence() {
    return study({1, 1, 1, 1, 1, 1, 1}, {"0", "2", "4", "6", "8", "10", "12"},
                 {"2.1", "5.0", "9.0", "12.6", "17.3", "21.0", "24.7"});
}

Calibration calibrationOf(const Study& s) {
    ResultSet results;
    return *inverseCommand(s, '.', results);
}

} // namespace

class TestCalibration : public QObject {
    Q_OBJECT
private slots:
    // The expected figures were computed apart from the program, in python3 with exact rational
    // arithmetic (fractions.Fraction) for the least-squares fit, x0 and s_x0², then a 40-digit
    // decimal square root: the textbook formulas on the data, with t from the program's table
    // (2.7764 for 4 degrees of freedom, 2.5706 for 5).
    void inversePrediction_data() {
        QTest::addColumn<Study>("data");
        QTest::addColumn<double>("response");
        QTest::addColumn<int>("replicates");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("error");
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");
        QTest::addColumn<bool>("outside");
        QTest::newRow("at the mean") << worked() << 2.05 << 1 << 2.0 << 0.16846498584980363
                                     << 1.5322738132866052 << 2.4677261867133948 << false;
        QTest::newRow("three replicates")
            << worked() << 1.5 << 3 << 1.4358974358974359 << 0.11873610718732684
            << 1.1062385079025416 << 1.7655563638923302 << false;
        QTest::newRow("above the range")
            << worked() << 3.5 << 1 << 3.4871794871794872 << 0.20452622859569922
            << 2.9193328661063878 << 4.0550261082525862 << true;
        QTest::newRow("below the range")
            << worked() << 0.5 << 2 << 0.41025641025641024 << 0.17772773163594044
            << -0.083186863857614785 << 0.90369968437043524 << true;
        QTest::newRow("fluorescence 2.9")
            << fluorescence() << 2.9 << 1 << 0.7160037002775208 << 0.26456977096990492
            << 0.03590064702228328 << 1.3961067535327583 << false;
        QTest::newRow("fluorescence 13.5")
            << fluorescence() << 13.5 << 1 << 6.2072155411655876 << 0.23975422270299082
            << 5.5909033362852796 << 6.8235277460458956 << false;
        QTest::newRow("fluorescence 23.0")
            << fluorescence() << 23.0 << 1 << 11.128584643848288 << 0.26319325925464587
            << 10.452020051608296 << 11.805149236088281 << false;
        QTest::newRow("fluorescence 13.5, four readings")
            << fluorescence() << 13.5 << 4 << 6.2072155411655876 << 0.1406133618137565
            << 5.8457548332871445 << 6.5686762490440298 << false;
        QTest::newRow("offset X") << offset() << 2.05 << 1 << 100000002.0 << 0.16846498584980363
                                  << 100000001.53227381 << 100000002.46772619 << false;
        QTest::newRow("offset X, outside")
            << offset() << 3.1 << 2 << 100000003.07692307 << 0.15254681504630643
            << 100000002.65339211 << 100000003.50045405 << true;
        QTest::newRow("negative slope")
            << falling() << 2.5 << 1 << 1.5384615384615385 << 0.17226701455868998
            << 1.0601793992407915 << 2.0167436776822854 << false;
        QTest::newRow("negative slope, outside")
            << falling() << 0.9 << 1 << 3.1794871794871793 << 0.19194011747565778
            << 2.6465846373277633 << 3.7123897216465958 << true;
    }
    void inversePrediction() {
        QFETCH(Study, data);
        QFETCH(double, response);
        QFETCH(int, replicates);
        QFETCH(double, x);
        QFETCH(double, error);
        QFETCH(double, lower);
        QFETCH(double, upper);
        QFETCH(bool, outside);
        const InversePrediction p = calibrationOf(data).predict(response, replicates);
        QCOMPARE_DIGITS(p.x, x, 13);
        QCOMPARE_DIGITS(p.standardError, error, 12);
        QCOMPARE_DIGITS(p.lower, lower, 12);
        QCOMPARE_DIGITS(p.upper, upper, 12);
        QCOMPARE(p.outsideCalibratedRange, outside);
    }

    // The calibrated range runs between the fitted responses at the smallest and the largest
    // X, whichever way the line falls; its ends are inside.
    void calibratedRange_data() {
        QTest::addColumn<Study>("data");
        QTest::newRow("rising") << worked();
        QTest::newRow("falling") << falling();
        QTest::newRow("offset X") << offset();
    }
    void calibratedRange() {
        QFETCH(Study, data);
        const Calibration c = calibrationOf(data);
        QCOMPARE_DIGITS(c.lowestResponse(), 1.075, 14);
        QCOMPARE_DIGITS(c.highestResponse(), 3.025, 14);
        // The ends as computed and as an analyst types them from the fitted values shown.
        for (double end : {c.lowestResponse(), c.highestResponse(), 1.075, 3.025})
            QVERIFY(!c.predict(end, 1).outsideCalibratedRange);
        for (double beyond : {1.075 - 1e-9, 3.025 + 1e-9})
            QVERIFY(c.predict(beyond, 1).outsideCalibratedRange);
    }

    void cells() {
        const InversePrediction inside = calibrationOf(worked()).predict(2.05, 1);
        QCOMPARE(inverseCells(2.05, inside, ','),
                 (std::vector<std::string>{"2,05", "2", "1,53227", "2,46773"}));
        const InversePrediction outside = calibrationOf(worked()).predict(3.5, 1);
        QCOMPARE(inverseCells(3.5, outside, '.'),
                 (std::vector<std::string>{"3.5", "3.48718", "2.91933", "4.05503",
                                           "fuera del intervalo calibrado"}));
    }

    void zeroSlopeGivesNothing() {
        ResultSet results;
        const Study flat = study({2, 2}, {"1", "1", "2", "2"}, {"5", "6", "6", "5"});
        QVERIFY(!inverseCommand(flat, '.', results));
        QVERIFY(results.PendienteCero);
    }
};

QTEST_APPLESS_MAIN(TestCalibration)
#include "tst_calibration.moc"
