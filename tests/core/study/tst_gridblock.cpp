#include "core/study/GridBlock.h"

#include <QtTest>

using namespace linealidad;

namespace {

// A data grid of `rows` observation rows whose cells read "c<col>r<row>".
StringGrid dataGrid(int rows) {
    StringGrid grid(3, rows + 1);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= 2; ++c)
            grid.setCell(c, r, "c" + std::to_string(c) + "r" + std::to_string(r));
    return grid;
}

// Columns 1..2 of rows 1..rowCount-1.
CellRows observations(const StringGrid& grid) {
    return copyBlock(grid, 1, 1, 2, grid.rowCount() - 1);
}

CellRows block(int rows, int cols) {
    CellRows b;
    for (int r = 0; r < rows; ++r) {
        b.emplace_back();
        for (int c = 0; c < cols; ++c)
            b.back().push_back(std::to_string(10 * r + c));
    }
    return b;
}

} // namespace

class TestGridBlock : public QObject {
    Q_OBJECT
private slots:
    void pasteThatFits() {
        StringGrid grid = dataGrid(15);
        QVERIFY(!pasteBlock(grid, 1, 1, block(15, 2)));
        QCOMPARE(observations(grid), block(15, 2));
    }

    void pasteFromTheCurrentCell() {
        StringGrid grid = dataGrid(9);
        QVERIFY(!pasteBlock(grid, 2, 8, {{"a"}, {"b"}}));
        QCOMPARE(grid.cell(2, 8), std::string("a"));
        QCOMPARE(grid.cell(2, 9), std::string("b"));
        QCOMPARE(grid.cell(1, 9), std::string("c1r9")); // outside the block: untouched
    }

    // A short row of the block leaves the cells it does not reach as they were.
    void shortRows() {
        StringGrid grid = dataGrid(3);
        QVERIFY(!pasteBlock(grid, 1, 1, {{"a", "b"}, {"c"}}));
        QCOMPARE(grid.cell(2, 2), std::string("c2r2"));
        QCOMPARE(grid.cell(1, 2), std::string("c"));
    }

    void refusals_data() {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cols");
        QTest::addColumn<QString>("message");
        QTest::newRow("too many rows")
            << 1 << 1 << 15 << 2
            << "No se pegó nada: el bloque copiado tiene 15 filas y 2 columnas, y desde la celda "
               "actual caben 9 filas y 2 columnas.";
        QTest::newRow("from row 9")
            << 1 << 9 << 2 << 2
            << "No se pegó nada: el bloque copiado tiene 2 filas y 2 columnas, y desde la celda "
               "actual caben 1 fila y 2 columnas.";
        QTest::newRow("three columns")
            << 1 << 1 << 3 << 3
            << "No se pegó nada: el bloque copiado tiene 3 filas y 3 columnas, y desde la celda "
               "actual caben 9 filas y 2 columnas.";
        QTest::newRow("into Y")
            << 2 << 1 << 1 << 2
            << "No se pegó nada: el bloque copiado tiene 1 fila y 2 columnas, y desde la celda "
               "actual caben 9 filas y 1 columna.";
    }
    // Nothing is half pasted.
    void refusals() {
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(int, rows);
        QFETCH(int, cols);
        QFETCH(QString, message);
        StringGrid grid = dataGrid(9);
        const CellRows before = observations(grid);
        QCOMPARE(pasteBlock(grid, col, row, block(rows, cols)).value_or(""), message.toStdString());
        QCOMPARE(observations(grid), before);
    }

    // Hidden rows are beyond the grid: a block does not reach into them.
    void hiddenRowsDoNotCount() {
        StringGrid grid = dataGrid(15);
        grid.setRowCount(10);
        QVERIFY(pasteBlock(grid, 1, 1, block(10, 2)).has_value());
        QCOMPARE(grid.cell(1, 10), std::string("c1r10"));
    }
};

QTEST_APPLESS_MAIN(TestGridBlock)
#include "support/RowsToString.h"
#include "tst_gridblock.moc"
