#include "core/study/SeparatorConversion.h"
#include "core/text/NumberParse.h"

#include <QtTest>

using namespace linealidad;

namespace {

// A study of three observations with these X and Y texts.
Study study(const QStringList& x, const QStringList& y) {
    Study s = Study::fresh();
    s.stgdatos.setRowCount(static_cast<int>(x.size()) + 1);
    for (int j = 1; j <= x.size(); ++j) {
        s.stgdatos.setCell(1, j, x[j - 1].toStdString());
        s.stgdatos.setCell(2, j, y[j - 1].toStdString());
    }
    return s;
}

} // namespace

class TestSeparatorConversion : public QObject {
    Q_OBJECT
private slots:
    void detection_data() {
        QTest::addColumn<QStringList>("x");
        QTest::addColumn<QStringList>("y");
        QTest::addColumn<char>("decimal");
        QTest::addColumn<bool>("other");
        QTest::newRow("points on a comma computer")
            << QStringList{"0.08", "0.1", "12"} << QStringList{"1.5", "2", "2.5"} << ',' << true;
        QTest::newRow("commas on a point computer")
            << QStringList{"0,08", "0,1", "12"} << QStringList{"1,5", "2", "2,5"} << '.' << true;
        QTest::newRow("already this computer's")
            << QStringList{"0.08", "0.1", "12"} << QStringList{"1.5", "2", "2.5"} << '.' << false;
        QTest::newRow("whole numbers only")
            << QStringList{"1", "2", "3"} << QStringList{"4", "5", "6"} << ',' << false;
        QTest::newRow("both separators mixed")
            << QStringList{"0.08", "0,1", "12"} << QStringList{"1.5", "2", "2.5"} << ',' << false;
        QTest::newRow("a letter besides")
            << QStringList{"0.08", "x", "12"} << QStringList{"1.5", "2", "2.5"} << ',' << false;
        QTest::newRow("thousands and decimals")
            << QStringList{"1,234.5", "1.5", "2"} << QStringList{"1", "2", "3"} << ',' << false;
        QTest::newRow("empty cells ignored")
            << QStringList{"0.08", "", "12"} << QStringList{"1.5", "2", ""} << ',' << true;
    }
    void detection() {
        QFETCH(QStringList, x);
        QFETCH(QStringList, y);
        QFETCH(char, decimal);
        QFETCH(bool, other);
        QCOMPARE(writtenWithOtherSeparator(study(x, y), decimal), other);
    }

    void conversion() {
        Study s = study({"0.08", "12", "12.345"}, {"1.5", "", "-2.5E-3"});
        QCOMPARE(convertToSeparator(s, ','), 4);
        QCOMPARE(s.stgdatos.cell(1, 1), std::string("0,08"));
        QCOMPARE(s.stgdatos.cell(1, 2), std::string("12"));
        QCOMPARE(s.stgdatos.cell(1, 3), std::string("12,345"));
        QCOMPARE(s.stgdatos.cell(2, 3), std::string("-2,5E-3"));
        QCOMPARE(parseFloat(s.stgdatos.cell(1, 3), ','), 12.345);
        QVERIFY(!writtenWithOtherSeparator(s, ','));
    }

    // "12,345" on a point computer is not a number until the analyst has it converted: the
    // conversions never take both separators.
    void neverBothSeparators() {
        QVERIFY(!isFloat("12,345", '.'));
        Study s = study({"12,345", "1", "2"}, {"1", "2", "3"});
        QVERIFY(writtenWithOtherSeparator(s, '.'));
        QCOMPARE(convertToSeparator(s, '.'), 1);
        QCOMPARE(parseFloat(s.stgdatos.cell(1, 1), '.'), 12.345);
    }

    void otherSeparator() {
        QCOMPARE(otherDecimalSeparator('.'), ',');
        QCOMPARE(otherDecimalSeparator(','), '.');
    }
};

QTEST_APPLESS_MAIN(TestSeparatorConversion)
#include "tst_separatorconversion.moc"
