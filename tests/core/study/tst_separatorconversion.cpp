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

// Observation j's X is on line 10 + j and its Y on line 20 + j.
const NumberSources kLines{{11, 12, 13}, {21, 22, 23}};

QList<int> list(const std::vector<int>& v) {
    return {v.begin(), v.end()};
}

} // namespace

class TestSeparatorConversion : public QObject {
    Q_OBJECT
private slots:
    // Which lines hold numbers written with this computer's separator and which with the other;
    // whole numbers and texts that are not numbers count for neither.
    void use_data() {
        QTest::addColumn<QStringList>("x");
        QTest::addColumn<QStringList>("y");
        QTest::addColumn<char>("decimal");
        QTest::addColumn<QList<int>>("here");
        QTest::addColumn<QList<int>>("other");
        QTest::newRow("points on a comma computer")
            << QStringList{"0.08", "0.1", "12"} << QStringList{"1.5", "2", "2.5"} << ','
            << QList<int>{} << QList<int>{11, 12, 21, 23};
        QTest::newRow("commas on a point computer")
            << QStringList{"0,08", "0,1", "12"} << QStringList{"1,5", "2", "2,5"} << '.'
            << QList<int>{} << QList<int>{11, 12, 21, 23};
        QTest::newRow("already this computer's")
            << QStringList{"0.08", "0.1", "12"} << QStringList{"1.5", "2", "2.5"} << '.'
            << QList<int>{11, 12, 21, 23} << QList<int>{};
        QTest::newRow("whole numbers only")
            << QStringList{"1", "2", "3"} << QStringList{"4", "5E-1", "6"} << ',' << QList<int>{}
            << QList<int>{};
        QTest::newRow("both separators mixed")
            << QStringList{"0.08", "0,1", "12"} << QStringList{"1.5", "2", "2.5"} << ','
            << QList<int>{12} << QList<int>{11, 21, 23};
        QTest::newRow("a letter besides")
            << QStringList{"0.08", "x", "12"} << QStringList{"1.5", "2", "2.5"} << ','
            << QList<int>{} << QList<int>{11, 21, 23};
        QTest::newRow("thousands and decimals")
            << QStringList{"1,234.5", "1.5", "2"} << QStringList{"1", "2", "3"} << ','
            << QList<int>{} << QList<int>{12};
        QTest::newRow("empty cells ignored")
            << QStringList{"0.08", "", "12"} << QStringList{"1.5", "2", ""} << ',' << QList<int>{}
            << QList<int>{11, 21};
    }
    void use() {
        QFETCH(QStringList, x);
        QFETCH(QStringList, y);
        QFETCH(char, decimal);
        QFETCH(QList<int>, here);
        QFETCH(QList<int>, other);
        const SeparatorUse use = separatorUse(study(x, y), decimal, kLines);
        QCOMPARE(list(use.here), here);
        QCOMPARE(list(use.other), other);
    }

    // Only numbers written with the other separator change; a text that is no number keeps
    // whatever it holds, for the checks to report.
    void conversion() {
        Study s = study({"0.08", "12", "12.345"}, {"1.5", "1,234.5", "-2.5E-3"});
        QCOMPARE(convertToSeparator(s, ','), 4);
        QCOMPARE(s.stgdatos.cell(1, 1), std::string("0,08"));
        QCOMPARE(s.stgdatos.cell(1, 2), std::string("12"));
        QCOMPARE(s.stgdatos.cell(1, 3), std::string("12,345"));
        QCOMPARE(s.stgdatos.cell(2, 2), std::string("1,234.5"));
        QCOMPARE(s.stgdatos.cell(2, 3), std::string("-2,5E-3"));
        QCOMPARE(parseFloat(s.stgdatos.cell(1, 3), ','), 12.345);
        QVERIFY(separatorUse(s, ',', kLines).other.empty());
    }

    // "12,345" on a point computer is not a number until it is converted: the conversions
    // never take both separators.
    void neverBothSeparators() {
        QVERIFY(!isFloat("12,345", '.'));
        Study s = study({"12,345", "1", "2"}, {"1", "2", "3"});
        QCOMPARE(list(separatorUse(s, '.', kLines).other), QList<int>{11});
        QCOMPARE(convertToSeparator(s, '.'), 1);
        QCOMPARE(parseFloat(s.stgdatos.cell(1, 1), '.'), 12.345);
    }

    // The question names the lines (or rows) of each separator, runs of three or more as
    // ranges, and after six entries how many more lines there are.
    void question_data() {
        QTest::addColumn<QList<int>>("here");
        QTest::addColumn<QList<int>>("other");
        QTest::addColumn<bool>("rows");
        QTest::addColumn<QString>("text");
        const QString mixed =
            "Los números de este archivo mezclan los dos separadores decimales.\nUsan «.»: ";
        QTest::newRow("one line each")
            << QList<int>{14} << QList<int>{9} << false
            << mixed + "la línea 9.\nUsan «,»: la línea 14.\n\n¿Convertirlos todos a «,»?";
        QTest::newRow("ranges of rows")
            << QList<int>{4} << QList<int>{2, 3, 5, 7, 8, 9} << true
            << mixed + "las filas 2, 3, 5 y 7 a 9.\nUsan «,»: la fila 4.\n\n¿Convertirlos todos "
                       "a «,»?";
        QTest::newRow("many lines")
            << QList<int>{1, 2} << QList<int>{10, 12, 14, 16, 18, 20, 22, 24, 25} << false
            << mixed + "las líneas 10, 12, 14, 16, 18, 20 y 3 más.\nUsan «,»: las líneas 1 y 2."
                       "\n\n¿Convertirlos todos a «,»?";
    }
    void question() {
        QFETCH(QList<int>, here);
        QFETCH(QList<int>, other);
        QFETCH(bool, rows);
        QFETCH(QString, text);
        const SeparatorUse use{{here.begin(), here.end()}, {other.begin(), other.end()}};
        QCOMPARE(QString::fromStdString(mixedSeparatorQuestion(
                     use, ',', "este archivo", rows ? SourcePlaces::Rows : SourcePlaces::Lines)),
                 text);
    }

    void notes() {
        QCOMPARE(QString::fromStdString(separatorConvertedNote(',')),
                 QStringLiteral("Números convertidos de «.» a «,»"));
        QCOMPARE(QString::fromStdString(separatorConvertedNote('.')),
                 QStringLiteral("Números convertidos de «,» a «.»"));
        QCOMPARE(otherDecimalSeparator('.'), ',');
        QCOMPARE(otherDecimalSeparator(','), '.');
    }
};

QTEST_APPLESS_MAIN(TestSeparatorConversion)
#include "tst_separatorconversion.moc"
