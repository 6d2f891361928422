#include "core/text/NumberFormat.h"

#include <QtTest>

using namespace linealidad;

class TestScientificFormat : public QObject {
    Q_OBJECT
private slots:
    void scientific_data() {
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("text");
        QTest::newRow("positivo") << 25000.0 << " 2.500E+0004";
        QTest::newRow("negativo") << -0.005 << "-5.000E-0003";
        QTest::newRow("redondeo") << 123456.0 << " 1.235E+0005";
        QTest::newRow("empate exacto lejos de cero") << 99995.0 << " 1.000E+0005";
        QTest::newRow("debajo del empate binario") << 0.0012345 << " 1.234E-0003"; // 0.00123449...
        QTest::newRow("exponente de tres cifras") << 1e-300 << " 1.000E-0300";
        QTest::newRow("cero") << 0.0 << " 0.000E+0000";
    }
    void scientific() {
        QFETCH(double, valor);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(formatScientific(valor, 4, 4)), text);
    }

    void separatorAndPrecision() {
        QCOMPARE(formatScientific(-1.5e-5, 4, 4, ','), std::string("-1,500E-0005"));
        QCOMPARE(formatScientific(2.5e10, 6, 2), std::string(" 2.50000E+10"));
    }
};

QTEST_APPLESS_MAIN(TestScientificFormat)
#include "tst_scientificformat.moc"
