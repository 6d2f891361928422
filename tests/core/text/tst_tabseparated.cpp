#include "core/text/TabSeparated.h"

#include <QtTest>

using namespace linealidad;

Q_DECLARE_METATYPE(CellRows)

namespace {

// Rows written as "a|b;c|d" (cells by '|', rows by ';'), so the data tables stay readable.
CellRows rows(const QString& text) {
    CellRows result;
    if (text.isNull())
        return result;
    for (const QString& row : text.split(QLatin1Char(';'))) {
        result.emplace_back();
        for (const QString& cell : row.split(QLatin1Char('|')))
            result.back().push_back(cell.toStdString());
    }
    return result;
}

} // namespace

class TestTabSeparated : public QObject {
    Q_OBJECT
private slots:
    void split_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<CellRows>("expected");
        QTest::newRow("nothing") << QByteArray() << rows(QString());
        QTest::newRow("one value") << QByteArray("0.5") << rows("0.5");
        QTest::newRow("one cell of a spreadsheet") << QByteArray("0.5\n") << rows("0.5");
        QTest::newRow("two by two, LF") << QByteArray("1\t2\n3\t4\n") << rows("1|2;3|4");
        QTest::newRow("CR LF, no final line end") << QByteArray("1\t2\r\n3\t4") << rows("1|2;3|4");
        QTest::newRow("lone CR") << QByteArray("1\t2\r3\t4\r") << rows("1|2;3|4");
        QTest::newRow("empty cells kept") << QByteArray("\t2\n3\t\n") << rows("|2;3|");
        QTest::newRow("empty line between") << QByteArray("1\t2\n\n3\t4\n") << rows("1|2;;3|4");
        QTest::newRow("quoted cell with tab and line end")
            << QByteArray("\"a\tb\nc\"\t2\n") << rows("a\tb\nc|2");
        QTest::newRow("doubled quotes")
            << QByteArray("\"say \"\"5\"\"\"\t1") << rows("say \"5\"|1");
        QTest::newRow("quote inside a cell is text") << QByteArray("5\"\t1") << rows("5\"|1");
        QTest::newRow("blanks kept") << QByteArray(" 1 \t2") << rows(" 1 |2");
    }
    void split() {
        QFETCH(QByteArray, text);
        QFETCH(CellRows, expected);
        QCOMPARE(splitTabSeparated(text.toStdString()), expected);
    }

    void join() {
        QCOMPARE(joinTabSeparated(rows("1|2;3|4")), std::string("1\t2\n3\t4\n"));
        QCOMPARE(joinTabSeparated(rows("a\tb|say \"5\"")),
                 std::string("\"a\tb\"\t\"say \"\"5\"\"\"\n"));
        QCOMPARE(joinTabSeparated(CellRows{{}}), std::string("\n"));
    }

    // What is copied pastes back as the same cells.
    void roundTrip() {
        const CellRows original = rows("Nivel|X|Y;1|0,5|\"12\";2|a\r\nb|");
        QCOMPARE(splitTabSeparated(joinTabSeparated(original)), original);
    }
};

QTEST_APPLESS_MAIN(TestTabSeparated)
#include "support/RowsToString.h"
#include "tst_tabseparated.moc"
