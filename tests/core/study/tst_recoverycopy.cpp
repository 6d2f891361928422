#include "core/study/RecoveryCopy.h"
#include "support/RowsToString.h"
#include "support/TestStudies.h"

#include <QtTest>

using namespace linealidad;

namespace {

// Every cell the grid holds, hidden ones included, with its counts.
QStringList cellsOf(const StringGrid& grid) {
    QStringList cells = {QStringLiteral("%1x%2").arg(grid.colCount()).arg(grid.rowCount())};
    for (int row = 0; row < grid.heldRowCount(); ++row)
        for (int col = 0; col < grid.heldColCount(); ++col)
            cells << QString::fromStdString(grid.cell(col, row));
    return cells;
}

void compareStudies(const Study& read, const Study& typed) {
    QCOMPARE(read.emetodo, typed.emetodo);
    QCOMPARE(read.eanalista, typed.eanalista);
    QCOMPARE(read.efecha, typed.efecha);
    QCOMPARE(read.eadicionada, typed.eadicionada);
    QCOMPARE(read.emedida, typed.emedida);
    QCOMPARE(read.eniveles, typed.eniveles);
    QCOMPARE(cellsOf(read.stgniveles), cellsOf(typed.stgniveles));
    QCOMPARE(cellsOf(read.stgdatos), cellsOf(typed.stgdatos));
}

// A study in the middle of its typing: nothing in it would pass the validation, and the
// grids hold text beyond their counts (typed before the number of levels went down).
Study halfTyped() {
    Study s = Study::fresh();
    s.emetodo = "Valoración \\n de \"Ñ\" ∑ 😀";
    s.eanalista = "línea\nrota\r\\";
    s.efecha = "\\";
    s.eniveles = "x";
    s.stgniveles.setCell(4, 1, "oculto");
    s.stgniveles.setColCount(2);
    s.stgdatos.setCell(2, 12, "1,5e");
    s.stgdatos.setRowCount(4);
    return s;
}

} // namespace

class TestRecoveryCopy : public QObject {
    Q_OBJECT

private slots:
    void everythingTypedComesBack_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("new study") << 0;
        QTest::newRow("half typed") << 1;
        QTest::newRow("complete") << 2;
    }
    void everythingTypedComesBack() {
        QFETCH(int, kind);
        const Study typed = kind == 0   ? Study::fresh()
                            : kind == 1 ? halfTyped()
                                        : test::workedExample();
        const ChartTitles titles = {"Título\n2", "", "Eje \\Y"};
        const auto read = readRecoveryCopy(recoveryCopyText(typed, titles));
        QVERIFY(read);
        compareStudies(read->study, typed);
        QCOMPARE(read->titles, titles);
        QCOMPARE(read->file, std::string()); // never saved
    }

    // The study's file comes back with it, whatever its name holds; copies written before the
    // file was kept still read, as studies never saved.
    void fileOfTheStudy() {
        const std::string file = "/home/ana/estudios/línea\nrota \\ .w02";
        const auto read = readRecoveryCopy(recoveryCopyText(halfTyped(), {"", "", ""}, file));
        QVERIFY(read);
        QCOMPARE(read->file, file);

        std::string first = recoveryCopyText(halfTyped(), {"a", "", ""}, file);
        const std::size_t fileLine = first.find('\n') + 1;
        first.replace(0, first.find('\n', fileLine) + 1, "linealidad recovery copy 1\n");
        const auto old = readRecoveryCopy(first);
        QVERIFY(old);
        compareStudies(old->study, halfTyped());
        QCOMPARE(old->file, std::string());
        QCOMPARE(old->titles[0], std::string("a"));
    }

    // A copy cut short by a crash, changed, or a file of another kind is no copy.
    void notACopy_data() {
        QTest::addColumn<QByteArray>("text");
        const std::string whole = recoveryCopyText(halfTyped(), {"a", "b", "c"});
        const auto cut = [&](std::size_t size) {
            return QByteArray::fromStdString(whole.substr(0, size));
        };
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("first line only") << cut(whole.find('\n') + 1);
        QTest::newRow("last line end missing") << cut(whole.size() - 1);
        QTest::newRow("last title missing") << cut(whole.rfind('\n', whole.size() - 2) + 1);
        QTest::newRow("a line more") << QByteArray::fromStdString(whole + "x\n");
        QTest::newRow("other version") << QByteArray::fromStdString("linealidad recovery copy 3" +
                                                                    whole.substr(whole.find('\n')));
        QTest::newRow("a study file")
            << QByteArray("M\r\nA\r\nF\r\nmg\r\nY\r\n3\r\n1\r\n1\r\n1\r\n1\r\n2\r\n3\r\n"
                          "1\r\n2\r\n3\r\n\r\n\r\n\r\n");
        // The counts line of the levels grid follows the first line, the file and the six texts;
        // the data grid's follows the levels grid's ten cells.
        const auto withCounts = [&](int line, const QByteArray& counts) {
            QList<QByteArray> lines = QByteArray::fromStdString(whole).split('\n');
            lines[line] = counts;
            return lines.join('\n');
        };
        QCOMPARE(QByteArray::fromStdString(whole).split('\n')[8], QByteArray("2 2 5 2"));
        QCOMPARE(QByteArray::fromStdString(whole).split('\n')[19], QByteArray("3 4 3 13"));
        QTest::newRow("cells beyond the file") << withCounts(8, "2 2 5 99999999");
        QTest::newRow("negative count") << withCounts(8, "-2 2 5 2");
        QTest::newRow("three counts") << withCounts(8, "2 2 5");
        // Counts no study reaches, though the cells are there: showing them could take all the
        // memory there is.
        QTest::newRow("2 000 000 000 rows") << withCounts(19, "3 2000000000 3 13");
        QTest::newRow("152 rows of data") << withCounts(19, "3 152 3 13");
        QTest::newRow("a fourth data column") << withCounts(19, "4 4 3 13");
        QTest::newRow("32 levels") << withCounts(8, "33 2 5 2");
        QTest::newRow("larger than a copy")
            << QByteArray::fromStdString(whole + std::string(kMaximumCopyBytes, 'x'));
        QByteArray escape = QByteArray::fromStdString(whole);
        escape.replace("\\n", "\\t");
        QTest::newRow("unknown escape") << escape;
    }
    void notACopy() {
        QFETCH(QByteArray, text);
        QVERIFY(!readRecoveryCopy(text.toStdString()));
    }
};

QTEST_APPLESS_MAIN(TestRecoveryCopy)
#include "tst_recoverycopy.moc"
