#include "core/study/StudyFile.h"
#include "core/study/TableImport.h"
#include "core/study/ValidaEstudio.h"
#include "core/text/Errors.h"

#include "support/FileBytes.h"
#include "support/ThrownMessage.h"

#include <QtTest>

#include <fstream>

using namespace linealidad;
using test::writeBytes;

namespace {

// The replicate count of each level.
QStringList replicates(const Study& s) {
    QStringList counts;
    for (int i = 1; i < s.stgniveles.colCount(); ++i)
        counts << QString::fromStdString(s.stgniveles.cell(i, 1));
    return counts;
}

// The X (1) or Y (2) of each observation row.
QStringList column(const Study& s, int col) {
    QStringList cells;
    for (int row = 1; row < s.stgdatos.rowCount(); ++row)
        cells << QString::fromStdString(s.stgdatos.cell(col, row));
    return cells;
}

// The message of the StudyFormatError that a reading throws, or an empty text.
const auto refusal = &test::thrownMessage<StudyFormatError>;

// `levels` levels of `replicates` rows each, X = level, Y = X + 0.1 * replicate, tab-separated.
QByteArray grid(int levels, int replicates) {
    QByteArray table;
    for (int i = 1; i <= levels; ++i)
        for (int k = 1; k <= replicates; ++k)
            table += QByteArray::number(i) + "\t" + QByteArray::number(i) + "." +
                     QByteArray::number(k) + "\n";
    return table;
}

const QStringList k3x2 = {"2", "2", "2"};

} // namespace

class TestTableImport : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void tables_data() {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QStringList>("counts");
        QTest::addColumn<QStringList>("x");
        QTest::addColumn<QStringList>("y");

        // A spreadsheet set to Spanish saves CSV with semicolons, decimal commas and CR LF.
        QTest::newRow("punto y coma, coma decimal, CR LF, encabezado")
            << QByteArray("Nivel;Concentración (mg);Área\r\n"
                          "1;0,5;10,2\r\n1;0,5;10,4\r\n2;1,0;20,1\r\n2;1,0;19,8\r\n"
                          "3;1,5;30,3\r\n3;1,5;29,9\r\n")
            << k3x2 << QStringList{"0,5", "0,5", "1,0", "1,0", "1,5", "1,5"}
            << QStringList{"10,2", "10,4", "20,1", "19,8", "30,3", "29,9"};
        // Another quotes every text cell, and a number with a decimal comma when the
        // separator is a comma; a quote inside a quoted cell is doubled.
        QTest::newRow("comas, celdas entre comillas")
            << QByteArray("\"X (\"\"mg\"\")\",\"Y\"\n"
                          "\"0,5\",\"10,2\"\n\"0,5\",\"10,4\"\n\"1\",\"20,1\"\n"
                          "\"1\",\"19,8\"\n\"1,5\",\"30,3\"\n\"1,5\",\"29,9\"\n")
            << k3x2 << QStringList{"0,5", "0,5", "1", "1", "1,5", "1,5"}
            << QStringList{"10,2", "10,4", "20,1", "19,8", "30,3", "29,9"};
        QTest::newRow("comas, punto decimal, CR LF, sin fin de línea al final")
            << QByteArray("X,Y\r\n1,1.0\r\n1,1.2\r\n2,2.1\r\n2,1.9\r\n3,3.2\r\n3,2.9") << k3x2
            << QStringList{"1", "1", "2", "2", "3", "3"}
            << QStringList{"1.0", "1.2", "2.1", "1.9", "3.2", "2.9"};
        // Copied from a spreadsheet: tabs, no heading.
        QTest::newRow("tabuladores, sin encabezado")
            << QByteArray("1\t1,0\n1\t1,2\n2\t2,1\n3\t3,2\n3\t2,9\n3\t3,0\n")
            << QStringList{"2", "1", "3"} << QStringList{"1", "1", "2", "3", "3", "3"}
            << QStringList{"1,0", "1,2", "2,1", "3,2", "2,9", "3,0"};
        // A level column groups even rows whose X differ, and needs no numbers.
        QTest::newRow("tres columnas, niveles con nombre")
            << QByteArray("N1;0,98;1\nN1;1,02;1,1\nN2;2;2\nN3;3;3\n") << QStringList{"2", "1", "1"}
            << QStringList{"0,98", "1,02", "2", "3"} << QStringList{"1", "1,1", "2", "3"};
        QTest::newRow("la misma X escrita de otro modo")
            << QByteArray("1;1\n1.0;1\n1.00;1\n2,0;2\n2;2\n3;3\n") << QStringList{"3", "2", "1"}
            << QStringList{"1", "1.0", "1.00", "2,0", "2", "3"}
            << QStringList{"1", "1", "1", "2", "2", "3"};
        // Spreadsheets export empty rows and the empty columns of their used range.
        QTest::newRow("filas y columnas vacías")
            << QByteArray("X,Y,,\n,,,\n1,1,,\n\n1,2,,\n2,3,,\n  ,  ,,\n3,4,,\n,,,\n")
            << QStringList{"2", "1", "1"} << QStringList{"1", "1", "2", "3"}
            << QStringList{"1", "2", "3", "4"};
        // Numbers keep what was written: blanks, signs, exponents, even text in a data row,
        // which the calculation reports as it does for a study file.
        QTest::newRow("números tal como se escribieron")
            << QByteArray("1; 1.50\n1;+1.5E0\n2;abc\n3;\n") << QStringList{"2", "1", "1"}
            << QStringList{"1", "1", "2", "3"} << QStringList{" 1.50", "+1.5E0", "abc", ""};
        QTest::newRow("un error en la primera fila no la vuelve encabezado")
            << QByteArray("1;1..5\n2;2\n3;3\n") << QStringList{"1", "1", "1"}
            << QStringList{"1", "2", "3"} << QStringList{"1..5", "2", "3"};
        QTest::newRow("separador dentro de comillas en el encabezado")
            << QByteArray("\"Nivel; n.º\";\"X\tmg\";Y\n1;1;1\n2;2;2\n3;3;3\n")
            << QStringList{"1", "1", "1"} << QStringList{"1", "2", "3"}
            << QStringList{"1", "2", "3"};
        QTest::newRow("fin de línea dentro de comillas")
            << QByteArray("\"X\r\n(mg)\",Y\r\n1,1\r\n2,\"2\"\r\n3,3\r\n")
            << QStringList{"1", "1", "1"} << QStringList{"1", "2", "3"}
            << QStringList{"1", "2", "3"};
        QTest::newRow("10 niveles")
            << grid(10, 1) << QStringList(10, "1")
            << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}
            << QStringList{"1.1", "2.1", "3.1", "4.1", "5.1", "6.1", "7.1", "8.1", "9.1", "10.1"};
    }

    void tables() {
        QFETCH(QByteArray, table);
        QFETCH(QStringList, counts);
        QFETCH(QStringList, x);
        QFETCH(QStringList, y);
        const Study s = studyFromTable(table.toStdString()).study;
        QCOMPARE(QString::fromStdString(s.eniveles), QString::number(counts.size()));
        QCOMPARE(replicates(s), counts);
        QCOMPARE(column(s, 1), x);
        QCOMPARE(column(s, 2), y);
    }

    // The worked example as a spreadsheet has it gives the study its file gives, titles and
    // level labels included, with the general information left to be typed but for the names
    // its headings give X and Y.
    void theWorkedExampleAsAStudyFile() {
        const Study fromFile = readStudy(LINEALIDAD_EJEMPLOS "/ejemplo-trabajado.w02");
        const Study s = studyFromTable("Nivel\tX\tY\r\n1\t1\t1.0\r\n1\t1\t1.2\r\n2\t2\t2.1\r\n"
                                       "2\t2\t1.9\r\n3\t3\t3.2\r\n3\t3\t2.9\r\n")
                            .study;
        for (const std::string* text : {&s.emetodo, &s.eanalista, &s.efecha})
            QVERIFY(text->empty());
        QCOMPARE(s.eadicionada, std::string("X"));
        QCOMPARE(s.emedida, std::string("Y"));
        QCOMPARE(s.eniveles, fromFile.eniveles);
        QCOMPARE(s.stgniveles.colCount(), fromFile.stgniveles.colCount());
        QCOMPARE(s.stgdatos.rowCount(), fromFile.stgdatos.rowCount());
        for (int col = 0; col < s.stgniveles.colCount(); ++col)
            for (int row = 0; row < 2; ++row)
                QCOMPARE(s.stgniveles.cell(col, row), fromFile.stgniveles.cell(col, row));
        for (int col = 0; col < 3; ++col)
            for (int row = 0; row < s.stgdatos.rowCount(); ++row)
                QCOMPARE(s.stgdatos.cell(col, row), fromFile.stgdatos.cell(col, row));
        QVERIFY(!ValidaEstudio(s));
    }

    // The headings of X and Y name the units and the measured property; the rows each
    // observation came from are kept for messages that point at them.
    void headingsAndRows_data() {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QString>("units");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("sin encabezado") << QByteArray("1;1\n2;2\n3;3\n") << ""
                                        << "" << QList<int>{1, 2, 3};
        QTest::newRow("encabezado de dos columnas, fila vacía")
            << QByteArray("\"X (mg)\";Absorbancia\n1;1\n\n2;2\n3;3\n") << "X (mg)"
            << "Absorbancia" << QList<int>{2, 4, 5};
        QTest::newRow("tres columnas, blancos alrededor")
            << QByteArray("Nivel\t  mg/mL \tÁrea\n1\t1\t1\n2\t2\t2\n3\t3\t3\n") << "mg/mL"
            << "Área" << QList<int>{2, 3, 4};
        QTest::newRow("encabezado largo, cortado en un carácter")
            << QByteArray("X;" + QByteArray(59, 'a') + "ñb\n1;1\n2;2\n3;3\n") << "X"
            << QString(59, 'a') + "ñ" << QList<int>{2, 3, 4};
    }
    void headingsAndRows() {
        QFETCH(QByteArray, table);
        QFETCH(QString, units);
        QFETCH(QString, property);
        QFETCH(QList<int>, rows);
        const TableStudy t = studyFromTable(table.toStdString());
        QCOMPARE(QString::fromStdString(t.study.eadicionada), units);
        QCOMPARE(QString::fromStdString(t.study.emedida), property);
        QCOMPARE(QList<int>(t.rows.begin(), t.rows.end()), rows);
        QCOMPARE(tableRows(t).y, t.rows);
    }

    void aHundredAndFiftyObservations() {
        const Study s = studyFromTable(grid(10, 15).toStdString()).study;
        QCOMPARE(s.stgdatos.rowCount(), 151);
        QCOMPARE(s.stgdatos.cell(0, 150), std::string("          10"));
        QCOMPARE(s.stgdatos.cell(2, 150), std::string("10.15"));
    }

    void refusals_data() {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QString>("reason");
        QTest::newRow("vacía") << QByteArray() << "no tiene ninguna fila con datos";
        QTest::newRow("solo filas vacías")
            << QByteArray("\r\n;;\r\n  \r\n") << "no tiene ninguna fila con datos";
        QTest::newRow("solo el encabezado")
            << QByteArray("\r\nNivel;X;Y\r\n")
            << "solo tiene el encabezado de la fila 2 y ninguna fila con datos";
        QTest::newRow("dos niveles")
            << QByteArray("X;Y\n1;1\n1;1,1\n\n2;2\n")
            << "sus filas con datos (las filas 2 a 5) forman 2 niveles y un estudio tiene de 3 "
               "a 10";
        QTest::newRow("un nivel") << QByteArray("5;1\n")
                                  << "sus filas con datos (la fila 1) forman 1 nivel";
        QTest::newRow("once niveles")
            << grid(11, 2) << "la fila 21 empieza el nivel 11 y el programa admite como máximo 10";
        QTest::newRow("151 observaciones")
            << ("X\tY\n" + grid(10, 15) + "10\t10.16\n")
            << "la fila 152 es la observación 151 y el programa admite como máximo 150";
        QTest::newRow("fila con una celda menos")
            << QByteArray("Nivel,X,Y\r\n1,1,1\r\n1,1,1.1\r\n2,2\r\n3,3,3\r\n")
            << "la fila 4 tiene 2 celdas y la fila 1 tiene 3";
        QTest::newRow("fila con una celda más") << QByteArray("1;1\n2;2\n2;2;7\n3;3\n")
                                                << "la fila 1 tiene 2 celdas y la fila 3 tiene 3";
        QTest::newRow("cuatro columnas")
            << QByteArray("1;1;1;1\n2;2;2;2\n3;3;3;3\n")
            << "la fila 1 tiene 4 columnas y una tabla de estudio tiene 2 (X, Y) o 3 (Nivel, X, "
               "Y), separadas por tabuladores, punto y coma o comas";
        QTest::newRow("una columna")
            << QByteArray("1.5\n2.5\n3.5\n") << "la fila 1 tiene 1 columna y una tabla";
        QTest::newRow("comillas sin cerrar")
            << QByteArray("X;Y\n1;1\n\"2;2\n3;3\n")
            << "las comillas que abren una celda de la fila 3 no se cierran";
        QTest::newRow("un nivel que vuelve")
            << QByteArray("1;1;1\n1;1;1\n2;2;2\n1;1;1\n3;3;3\n")
            << "la fila 4 repite el nivel de las filas 1 a 2 tras otros niveles: las filas de "
               "un nivel van seguidas";
        QTest::newRow("una X que vuelve")
            << QByteArray("1;1\n2;2\n3;3\n2,0;2\n")
            << "la fila 4 repite la X de la fila 2 tras otros niveles";
    }

    void refusals() {
        QFETCH(QByteArray, table);
        QFETCH(QString, reason);
        const QString message = refusal([&] { studyFromTable(table.toStdString()); });
        QVERIFY2(message.startsWith("La tabla no es un estudio: " + reason), qPrintable(message));
        QVERIFY2(message.endsWith('.'), qPrintable(message));
    }

    // A file is read as study files are: Windows-1252 when it is not UTF-8, with or without a
    // byte-order mark; refusals name the file.
    void files() {
        const QString ansi = dir.filePath("ansi.csv");
        writeBytes(ansi, "Concentraci\xF3n;\xC1rea\r\n1;1\r\n2;2\r\n3;3\r\n");
        QCOMPARE(readTableFile(ansi.toStdString()).study.stgdatos.rowCount(), 4);

        const QString bom = dir.filePath("bom.csv");
        writeBytes(bom, "\xEF\xBB\xBFX,Y\r\n1,1\r\n2,2\r\n3,3\r\n");
        QCOMPARE(readTableFile(bom.toStdString()).study.stgdatos.cell(1, 1), std::string("1"));

        const QString bad = dir.filePath("encabezado.csv");
        writeBytes(bad, "X;Y\r\n");
        QCOMPARE(refusal([&] { readTableFile(bad.toStdString()); }),
                 "El archivo \"" + bad +
                     "\" no es un estudio: solo tiene el encabezado de la fila 1 y ninguna fila "
                     "con datos.");

        QVERIFY_THROWS_EXCEPTION(FileError,
                                 readTableFile(dir.filePath("no-existe.csv").toStdString()));

        // A file larger than any study is refused before it is held whole.
        const QString large = dir.filePath("grande.csv");
        writeBytes(large, std::string("X;Y\r\n1;1\r\n2;2\r\n3;3\r\n") + std::string(1 << 20, '\n'));
        QVERIFY(refusal([&] {
                    readTableFile(large.toStdString());
                }).contains(QStringLiteral("ocupa más de 1048576 bytes")));
    }
};

QTEST_APPLESS_MAIN(TestTableImport)
#include "tst_tableimport.moc"
