#include "core/text/Errors.h"
#include "core/text/NumberFormat.h"
#include "core/text/NumberParse.h"

#include <QtTest>

using namespace linealidad;

class TestFormats : public QObject {
    Q_OBJECT
private slots:
    void general_data() {
        QTest::addColumn<double>("valor");
        QTest::addColumn<int>("precision");
        QTest::addColumn<QString>("text");
        QTest::newRow("entero") << 1500.0 << 6 << "1500";
        QTest::newRow("milesimas") << 0.00123 << 6 << "0.00123";
        QTest::newRow("cientifico pequeño") << 1.5e-5 << 6 << "1.5E-5";
        QTest::newRow("cientifico grande") << 2.5e10 << 6 << "2.5E10";
        QTest::newRow("negativo") << -12.5 << 6 << "-12.5";
        QTest::newRow("cero") << 0.0 << 6 << "0";
        QTest::newRow("cero negativo") << -0.0 << 6 << "0";
        QTest::newRow("medio") << 0.5 << 6 << "0.5";
        QTest::newRow("limite fijo") << 0.0001 << 6 << "0.0001";
        QTest::newRow("limite cientifico") << 0.00001 << 6 << "1E-5";
        QTest::newRow("exponente igual a precision") << 123456.0 << 6 << "123456";
        QTest::newRow("exponente sobre precision") << 1234567.0 << 6 << "1.23457E6";
        QTest::newRow("empate exacto lejos de cero") << 123456.5 << 6 << "123457";
        QTest::newRow("empate exacto negativo") << -0.125 << 2 << "-0.13";
        QTest::newRow("casi empate binario") << 2.675 << 3 << "2.67"; // 2.67499999...
        QTest::newRow("debajo del empate") << 99999.95 << 6 << "99999.9";
        QTest::newRow("acarreo") << 9.9999996 << 6 << "10";
        QTest::newRow("acarreo a cientifico") << 999999.7 << 6 << "1E6";
        QTest::newRow("probabilidad") << 0.000898959 << 6 << "0.000898959";
        QTest::newRow("precision 15") << 0.1 << 15 << "0.1";
        QTest::newRow("precision 15 tercio") << 1.0 / 3 << 15 << "0.333333333333333";
        QTest::newRow("precision 10") << 0.9762516046213 << 10 << "0.9762516046";
        QTest::newRow("precision 3") << 7.418 << 3 << "7.42";
        QTest::newRow("1E15") << 1e15 << 15 << "1E15";
        QTest::newRow("subnormal") << 4.9406564584124654e-324 << 6 << "4.94066E-324";
    }
    void general() {
        QFETCH(double, valor);
        QFETCH(int, precision);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(formatGeneral(valor, precision)), text);
    }

    void generalSeparator() {
        QCOMPARE(formatGeneral(-0.645746, 6, ','), std::string("-0,645746"));
        QCOMPARE(formatGeneral(1.5e-5, 6, ','), std::string("1,5E-5"));
    }

    void fixedValue() {
        QCOMPARE(formatFixed(12.5, 10, 4), std::string("   12.5000"));
        QCOMPARE(formatFixed(-12.5, 10, 4, ','), std::string("  -12,5000"));
        QCOMPARE(formatFixed(1234.56785, 10, 4), std::string(" 1234.5678")); // binary below tie
        QCOMPARE(formatFixed(0.00005, 10, 4), std::string("    0.0001"));
        QCOMPARE(formatFixed(0.125, 6, 2), std::string("  0.13"));      // exact tie away from zero
        QCOMPARE(formatFixed(123456.0, 3, 1), std::string("123456.0")); // wider than the field
        QCOMPARE(formatFixed(0.0, 8, 2), std::string("    0.00"));
        QCOMPARE(formatFixed(7.0, 3, 0), std::string("  7"));
    }

    void integers() {
        QCOMPARE(parseInteger("12"), 12);
        QCOMPARE(parseInteger("  -7"), -7);
        QCOMPARE(parseInteger("+3"), 3);
        QCOMPARE(parseInteger("2147483647"), 2147483647);
        for (const char* bad : {"", " ", "3 ", "2.5", "x", "1e2", "2147483648", "--1", "3,0"}) {
            QVERIFY2(!isInteger(bad), bad);
            QVERIFY_THROWS_EXCEPTION(ConversionError, parseInteger(bad));
        }
        try {
            parseInteger("2.5");
        } catch (const ConversionError& e) {
            QCOMPARE(std::string(e.what()), std::string("'2.5' is not a valid integer value"));
        }
    }

    void actual() {
        QCOMPARE(parseFloat("1.5"), 1.5);
        QCOMPARE(parseFloat(" -2.25e1 "), -22.5);
        QCOMPARE(parseFloat("1,5", ','), 1.5);
        QCOMPARE(parseFloat(".5"), 0.5);
        QCOMPARE(parseFloat("5."), 5.0);
        QCOMPARE(parseFloat("1E-400"), 0.0);
        for (const char* bad :
             {"", ".", "1.5.2", "1e", "abc", "1e400", "nan", "inf", "0x10", "1 2"})
            QVERIFY2(!isFloat(bad), bad);
        QVERIFY(!isFloat("1.5", ','));
        try {
            parseFloat("1.5", ',');
            QFAIL("no exception");
        } catch (const ConversionError& e) {
            QCOMPARE(std::string(e.what()),
                     std::string("'1.5' is not a valid floating point value"));
        }
    }

    void reportText() {
        QCOMPARE(genericReportText("Floating point division by zero"),
                 std::string("Floating point division by zero."));
        QCOMPARE(genericReportText("'x' is not a valid integer value"),
                 std::string("'x' is not a valid integer value."));
        QCOMPARE(genericReportText("Ya termina."), std::string("Ya termina."));
        QCOMPARE(genericReportText("I/O error 5)"),
                 std::string("I/O error 5)")); // ')' sorts before '.'
        QCOMPARE(genericReportText("Acción"), std::string("Acción."));
    }
};

QTEST_APPLESS_MAIN(TestFormats)
#include "tst_formats.moc"
