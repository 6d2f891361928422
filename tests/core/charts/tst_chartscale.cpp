#include "core/charts/AxisLabel.h"
#include "core/charts/NiceScale.h"
#include "core/text/Errors.h"

#include <QtTest>

using namespace linealidad;

class TestChartScale : public QObject {
    Q_OBJECT
private slots:
    void niceScale_data() {
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");
        QTest::addColumn<double>("step");
        QTest::newRow("80..120") << 80.0 << 120.0 << 80.0 << 120.0 << 5.0;
        QTest::newRow("85..120: odd multiple goes down") << 85.0 << 120.0 << 80.0 << 120.0 << 5.0;
        QTest::newRow("3..9") << 3.0 << 9.0 << 2.0 << 9.0 << 1.0;
        QTest::newRow("0.3..9.6") << 0.3 << 9.6 << 0.0 << 10.0 << 1.0;
        QTest::newRow("-1.8..2.1") << -1.8 << 2.1 << -2.0 << 2.5 << 0.5;
        QTest::newRow("1000..52000") << 1000.0 << 52000.0 << 0.0 << 55000.0 << 5000.0;
        QTest::newRow("equal limits") << 10.0 << 10.0 << 10.0 << 10.5 << 0.5;
        QTest::newRow("typed 1..99") << 1.0 << 99.0 << 0.0 << 100.0 << 5.0;
        QTest::newRow("145..235 on paper") << 145.0 << 235.0 << 140.0 << 235.0 << 5.0;
        QTest::newRow("negative") << -120.0 << -81.0 << -120.0 << -80.0 << 5.0;
    }
    void niceScale() {
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(double, lower);
        QFETCH(double, upper);
        QFETCH(double, step);
        const AxisScale scale = NiceScale(min, max);
        QCOMPARE(min, lower);
        QCOMPARE(max, upper);
        QCOMPARE(scale.firstTick, lower);
        QCOMPARE(scale.step, step);
    }

    // Limits typed in the options dialog can be anything; the axis must still come out.
    void niceScaleOnTypedNonsense() {
        double min = 1e20, max = 1e20 + 16384; // the step vanishes against the limits
        NiceScale(min, max);
        QCOMPARE(min, 1e20);
        QCOMPARE(max, 1e20);

        min = 100, max = 0; // reversed: a negative step, one tick
        const AxisScale reversed = NiceScale(min, max);
        QCOMPARE(reversed.step, -10.0);
        QCOMPARE(min, 100.0);
        QCOMPARE(max, 90.0);

        min = -1e308, max = 1e308;
        QVERIFY_THROWS_EXCEPTION(ArithmeticError, NiceScale(min, max));
    }

    void nearestIsHalfToEven() {
        QCOMPARE(nearest(62.5), 62.0);
        QCOMPARE(nearest(187.5), 188.0);
        QCOMPARE(nearest(-4.5), -4.0);
        QCOMPARE(powerOfTen(3), 1000.0);
        QCOMPARE(powerOfTen(-2), 0.1 / 10);
    }

    void axisLabel_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("12.5") << 12.5 << "12.5";
        QTest::newRow("cut, not rounded") << 1234.5678 << "1234.5";
        QTest::newRow("9999.99") << 9999.99 << "9999.9";
        QTest::newRow("0.05") << 0.05 << "0.05";
        QTest::newRow("100") << 100.0 << "100";
        QTest::newRow("-12.5") << -12.5 << "-12.5";
        QTest::newRow("-0.05") << -0.05 << "-0.05";
        QTest::newRow("-1.5") << -1.5 << "-1.5";
        QTest::newRow("25000") << 25000.0 << "2.5E+4";
        QTest::newRow("10000 keeps the separator") << 10000.0 << "1.E+4";
        QTest::newRow("0.005") << 0.005 << "5.E-3";
        QTest::newRow("0.01") << 0.01 << "1.E-2";
        QTest::newRow("123456 rounded") << 123456.0 << "1.235E+5";
        QTest::newRow("-55000") << -55000.0 << "-5.5E+4";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        // Rounds up to -10000.0000, whose first six characters hold no separator.
        QTest::newRow("-9999.99999") << -9999.99999 << "-10000";
    }
    void axisLabel() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(AxisLabel(value)), text);
    }

    void axisLabelSeparator() {
        QCOMPARE(AxisLabel(-1.5, ','), std::string("-1,5"));
        QCOMPARE(AxisLabel(100.0, ','), std::string("100"));
        QCOMPARE(AxisLabel(25000.0, ','), std::string("2,5E+4"));
        QCOMPARE(AxisLabel(10000.0, ','), std::string("1,E+4"));
    }
};

QTEST_APPLESS_MAIN(TestChartScale)
#include "tst_chartscale.moc"
