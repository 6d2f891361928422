#include "core/study/DesignRows.h"
#include "core/study/FieldChecks.h"

#include <QtTest>

using namespace linealidad;

namespace {

// A new study whose levels grid was accepted for `replicates.size()` levels and holds these
// counts.
Study design(const QStringList& replicates) {
    Study s = Study::fresh();
    s.eniveles = std::to_string(replicates.size());
    s.stgniveles.setColCount(static_cast<int>(replicates.size()) + 1);
    for (int i = 1; i <= replicates.size(); ++i)
        s.stgniveles.setCell(i, 1, replicates[i - 1].toStdString());
    return s;
}

// The level labels of the observation rows, as "1 1 2 ...".
QString labels(const Study& s) {
    QStringList l;
    for (int row = 1; row < s.stgdatos.rowCount(); ++row)
        l << QString::fromStdString(s.stgdatos.cell(0, row)).trimmed();
    return l.join(QLatin1Char(' '));
}

void type(Study& s, int row, const char* x, const char* y) {
    s.stgdatos.setCell(1, row, x);
    s.stgdatos.setCell(2, row, y);
}

} // namespace

class TestDesignRows : public QObject {
    Q_OBJECT
private slots:
    void followsTheCounts_data() {
        QTest::addColumn<QStringList>("replicates");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("labels");
        QTest::newRow("5 x 3") << QStringList{"3", "3", "3", "3", "3"} << 16
                               << "1 1 1 2 2 2 3 3 3 4 4 4 5 5 5";
        QTest::newRow("3 x 3") << QStringList{"3", "3", "3"} << 10 << "1 1 1 2 2 2 3 3 3";
        QTest::newRow("uneven") << QStringList{"1", "2", "3"} << 7 << "1 2 2 3 3 3";
        QTest::newRow("a level without replicates") << QStringList{"2", "0", "1"} << 4 << "1 1 3";
    }
    void followsTheCounts() {
        QFETCH(QStringList, replicates);
        QFETCH(int, rows);
        QFETCH(QString, labels);
        Study s = design(replicates);
        QVERIFY(fitDataRowsToDesign(s));
        QCOMPARE(s.stgdatos.rowCount(), rows);
        QCOMPARE(::labels(s), labels);
        QCOMPARE(s.stgdatos.cell(0, 1), std::string("          1")); // as a file's study shows it
        QCOMPARE(s.stgdatos.cell(1, 0), std::string("X"));           // the headings stay
        QVERIFY(!checkDataOnEnter(s));
    }

    // Anything the counts do not say clearly leaves the grid for the mismatch checks.
    void leftAlone_data() {
        QTest::addColumn<QString>("levels");
        QTest::addColumn<QStringList>("replicates");
        QTest::newRow("levels not accepted") << "4" << QStringList{"3", "3", "3"};
        QTest::newRow("levels not a number") << "x" << QStringList{"3", "3", "3"};
        QTest::newRow("a count missing") << "3" << QStringList{"3", "", "3"};
        QTest::newRow("a fraction") << "3" << QStringList{"3", "2.5", "3"};
        QTest::newRow("negative") << "3" << QStringList{"3", "-1", "3"};
        QTest::newRow("no observations") << "3" << QStringList{"0", "0", "0"};
        QTest::newRow("beyond 150") << "3" << QStringList{"100", "50", "1"};
        QTest::newRow("huge") << "3" << QStringList{"2147483647", "2147483647", "1"};
    }
    void leftAlone() {
        QFETCH(QString, levels);
        QFETCH(QStringList, replicates);
        Study s = design(replicates);
        s.eniveles = levels.toStdString();
        QVERIFY(!fitDataRowsToDesign(s));
        QCOMPARE(s.stgdatos.rowCount(), 10);
        QCOMPARE(s.stgdatos.cell(0, 1), std::string());
    }

    // Shrinking hides rows without losing what was typed in them; growing shows it again.
    void shrinkingKeepsTypedValues() {
        Study s = design({"3", "3", "3", "3", "3"});
        QVERIFY(fitDataRowsToDesign(s));
        type(s, 14, "5", "5.1");
        type(s, 15, "5", "4.9");
        s.stgniveles.setCell(5, 1, "1");
        QVERIFY(fitDataRowsToDesign(s));
        QCOMPARE(s.stgdatos.rowCount(), 14);
        s.stgniveles.setCell(5, 1, "3");
        QVERIFY(fitDataRowsToDesign(s));
        QCOMPARE(s.stgdatos.rowCount(), 16);
        QCOMPARE(s.stgdatos.cell(2, 14), std::string("5.1"));
        QCOMPARE(s.stgdatos.cell(2, 15), std::string("4.9"));
        QCOMPARE(labels(s), QStringLiteral("1 1 1 2 2 2 3 3 3 4 4 4 5 5 5"));
    }
};

QTEST_APPLESS_MAIN(TestDesignRows)
#include "tst_designrows.moc"
