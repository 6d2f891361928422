#include "core/study/RecoveryCopy.h"
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
        QTest::newRow("other version") << QByteArray::fromStdString("linealidad recovery copy 2" +
                                                                    whole.substr(whole.find('\n')));
        QTest::newRow("a study file")
            << QByteArray("M\r\nA\r\nF\r\nmg\r\nY\r\n3\r\n1\r\n1\r\n1\r\n1\r\n2\r\n3\r\n"
                          "1\r\n2\r\n3\r\n\r\n\r\n\r\n");
        // The counts line of the levels grid follows the first line and the six texts.
        const auto withCounts = [&](const QByteArray& counts) {
            QList<QByteArray> lines = QByteArray::fromStdString(whole).split('\n');
            lines[7] = counts;
            return lines.join('\n');
        };
        QCOMPARE(QByteArray::fromStdString(whole).split('\n')[7], QByteArray("2 2 5 2"));
        QTest::newRow("cells beyond the file") << withCounts("2 2 5 99999999");
        QTest::newRow("negative count") << withCounts("-2 2 5 2");
        QTest::newRow("three counts") << withCounts("2 2 5");
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
