#include "core/study/FieldChecks.h"
#include "core/study/ValidaEstudio.h"
#include "core/text/Errors.h"

#include <QtTest>

using namespace linealidad;

namespace {

// A study with `levels` typed, one replicate cell per text and `rows` data rows, each X and Y
// a number.
Study study(const QString& levels, const QStringList& replicates, int rows = 9) {
    Study s = Study::fresh();
    s.eniveles = levels.toStdString();
    s.stgniveles.setColCount(static_cast<int>(replicates.size()) + 1);
    for (int i = 1; i <= replicates.size(); ++i)
        s.stgniveles.setCell(i, 1, replicates[i - 1].toStdString());
    s.stgdatos.setRowCount(rows + 1);
    for (int row = 1; row <= rows; ++row) {
        s.stgdatos.setCell(1, row, std::to_string(row));
        s.stgdatos.setCell(2, row, std::to_string(2 * row));
    }
    return s;
}

const char* name(StudyControl control) {
    switch (control) {
    case StudyControl::eniveles:
        return "eniveles";
    case StudyControl::stgniveles:
        return "stgniveles";
    case StudyControl::stgdatos:
        return "stgdatos";
    }
    return "?";
}

// "tab <n>, <control>: <message>", or empty when the check passes: one text that shows every
// part of a problem when a comparison fails.
QString outcome(const std::optional<StudyProblem>& p) {
    if (!p)
        return {};
    return QStringLiteral("tab %1, %2: %3")
        .arg(p->tab)
        .arg(QLatin1String(name(p->control)), QString::fromStdString(p->message));
}

const QString kReplicateCells = QStringLiteral(
    "tab 1, eniveles: El número de celdas de captura para las replicaciones, no coincide con el "
    "número de niveles.");
const QString kDataCells = QStringLiteral(
    "tab 1, stgniveles: El número de celdas de captura para los datos, no coincide con el "
    "número de replicas por nivel.");

} // namespace

class TestFieldChecks : public QObject {
    Q_OBJECT
private slots:
    void levelsOnExit_data() {
        QTest::addColumn<QString>("levels");
        QTest::addColumn<QString>("expected");
        const QString range = QStringLiteral("tab 1, eniveles: Datos fuera de rango, 3-5 Niveles");
        const QString notNumber =
            QStringLiteral("tab 1, eniveles: El valor de captura no es un valor numérico.");
        QTest::newRow("empty") << ""
                               << "tab 1, eniveles: Falta capturar número de Niveles";
        QTest::newRow("letter") << "x" << notNumber;
        QTest::newRow("fraction") << "4.0" << notNumber;
        QTest::newRow("two") << "2" << range;
        QTest::newRow("six") << "6" << range;
        QTest::newRow("three") << "3"
                               << "";
        QTest::newRow("five") << "5"
                              << "";
        QTest::newRow("leading blank") << " 4"
                                       << "";
    }
    void levelsOnExit() {
        QFETCH(QString, levels);
        QFETCH(QString, expected);
        QCOMPARE(outcome(checkLevelsOnExit(study(levels, {"3", "3", "3"}))), expected);
    }

    void replicatesOnExit_data() {
        QTest::addColumn<QStringList>("replicates");
        QTest::addColumn<char>("decimal");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("throws");
        const QString range =
            QStringLiteral("tab 1, stgniveles: Datos fuera de rango, maximo 5 Réplicas");
        QTest::newRow("complete") << QStringList{"3", "5", "1"} << '.' << "" << false;
        QTest::newRow("missing") << QStringList{"3", "", "x"} << '.'
                                 << "tab 1, stgniveles: Falta el dato 2" << false;
        QTest::newRow("not a number")
            << QStringList{"3", "x", ""} << '.'
            << "tab 1, stgniveles: El dato2 no es un valor numérico." << false;
        // Every cell is checked to be a number before any is checked against 5.
        QTest::newRow("missing after too many")
            << QStringList{"6", "3", ""} << '.' << "tab 1, stgniveles: Falta el dato 3" << false;
        QTest::newRow("too many") << QStringList{"3", "6", "3"} << '.' << range << false;
        const QString none =
            QStringLiteral("tab 1, stgniveles: Datos fuera de rango, minimo 1 Réplica");
        QTest::newRow("none") << QStringList{"3", "0", "3"} << '.' << none << false;
        QTest::newRow("negative") << QStringList{"5", "-1", "5"} << '.' << none << false;
        QTest::newRow("over the whole grid")
            << QStringList{"3", "3", "3", "3", "9"} << '.' << range << false;
        QTest::newRow("other separator")
            << QStringList{"2.5", "3", "3"} << ','
            << "tab 1, stgniveles: El dato1 no es un valor numérico." << false;
        QTest::newRow("fraction") << QStringList{"3", "2,5", "3"} << ',' << "" << true;
    }
    void replicatesOnExit() {
        QFETCH(QStringList, replicates);
        QFETCH(char, decimal);
        QFETCH(QString, expected);
        QFETCH(bool, throws);
        const Study s = study(QStringLiteral("3"), replicates);
        if (throws)
            QVERIFY_THROWS_EXCEPTION(ConversionError, checkReplicatesOnExit(s, decimal));
        else
            QCOMPARE(outcome(checkReplicatesOnExit(s, decimal)), expected);
    }

    // Values read from a file and not edited are held to the validation's limits only; typed
    // ones (or a read value changed) to the typing limits.
    void readValuesOnExit_data() {
        QTest::addColumn<QString>("readLevels");
        QTest::addColumn<QStringList>("readReplicates");
        QTest::addColumn<QString>("levels");
        QTest::addColumn<QStringList>("replicates");
        QTest::addColumn<QString>("expected");
        const QString levelRange =
            QStringLiteral("tab 1, eniveles: Datos fuera de rango, 3-5 Niveles");
        const QString replicateRange =
            QStringLiteral("tab 1, stgniveles: Datos fuera de rango, maximo 5 Réplicas");
        const QStringList seven{"3", "3", "3", "3", "3", "3", "3"};
        QTest::newRow("seven levels read") << "7" << seven << "7" << seven << "";
        QTest::newRow("ten levels read") << "10" << seven << "10" << seven << "";
        // A number read beyond what any study may have is told the validation's range.
        const QString readRange =
            QStringLiteral("tab 1, eniveles: Datos fuera de rango, 3-10 Niveles");
        QTest::newRow("eleven levels read") << "11" << seven << "11" << seven << readRange;
        QTest::newRow("thirty levels read") << "30" << seven << "30" << seven << readRange;
        QTest::newRow("seven levels typed over six") << "6" << seven << "7" << seven << levelRange;
        QTest::newRow("eight replicates read")
            << "3" << QStringList{"8", "2", "3"} << "3" << QStringList{"8", "2", "3"} << "";
        QTest::newRow("eight replicates typed over seven")
            << "3" << QStringList{"7", "2", "3"} << "3" << QStringList{"8", "2", "3"}
            << replicateRange;
        QTest::newRow("eight read for another level")
            << "3" << QStringList{"8", "2", "3"} << "3" << QStringList{"2", "8", "3"}
            << replicateRange;
        QTest::newRow("a level the file did not have")
            << "3" << QStringList{"8", "2", "3"} << "4" << QStringList{"8", "2", "3", "8"}
            << replicateRange;
    }
    void readValuesOnExit() {
        QFETCH(QString, readLevels);
        QFETCH(QStringList, readReplicates);
        QFETCH(QString, levels);
        QFETCH(QStringList, replicates);
        QFETCH(QString, expected);
        const Study read = study(readLevels, readReplicates);
        const Study now = study(levels, replicates);
        const auto problem = checkLevelsOnExit(now, &read);
        QCOMPARE(outcome(problem ? problem : checkReplicatesOnExit(now, '.', &read)), expected);
    }

    void dataOnEnter_data() {
        QTest::addColumn<QString>("levels");
        QTest::addColumn<QStringList>("replicates");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("expected");
        QTest::newRow("complete") << "3" << QStringList{"3", "3", "3"} << 9 << "";
        QTest::newRow("cells before counts")
            << "4" << QStringList{"", "", ""} << 9 << kReplicateCells;
        QTest::newRow("missing count") << "3" << QStringList{"3", "", "3"} << 9
                                       << "tab 1, stgniveles: Falta la replicación en el nivel 2";
        QTest::newRow("sum short") << "3" << QStringList{"3", "3", "2"} << 9 << kDataCells;
        QTest::newRow("sum long") << "3" << QStringList{"3", "3", "3"} << 8 << kDataCells;
        QTest::newRow("five levels") << "5" << QStringList{"1", "2", "3", "4", "5"} << 15 << "";
    }
    void dataOnEnter() {
        QFETCH(QString, levels);
        QFETCH(QStringList, replicates);
        QFETCH(int, rows);
        QFETCH(QString, expected);
        QCOMPARE(outcome(checkDataOnEnter(study(levels, replicates, rows))), expected);
    }

    void countsThatAreNotIntegersThrow() {
        QVERIFY_THROWS_EXCEPTION(ConversionError,
                                 checkReplicateCells(study(QStringLiteral("x"), {"3"})));
        QVERIFY_THROWS_EXCEPTION(ConversionError,
                                 checkDataOnEnter(study(QStringLiteral("3"), {"3", "3.0", "3"})));
    }

    void dataOnExit_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::addColumn<char>("decimal");
        QTest::addColumn<QString>("expected");
        const QString missing = QStringLiteral("tab 2, stgdatos: Falta capturar un dato ");
        const QString notNumber =
            QStringLiteral("tab 2, stgdatos: Algun dato capturado no es un valor numérico.");
        QTest::newRow("complete") << 1 << 1 << "1" << '.' << "";
        QTest::newRow("missing X") << 1 << 9 << "" << '.' << missing;
        QTest::newRow("missing Y") << 2 << 1 << "" << '.' << missing;
        QTest::newRow("letter") << 2 << 5 << "x" << '.' << notNumber;
        QTest::newRow("decimal comma") << 1 << 2 << "1,5" << ',' << "";
        QTest::newRow("wrong separator") << 1 << 2 << "1,5" << '.' << notNumber;
    }
    void dataOnExit() {
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(QString, text);
        QFETCH(char, decimal);
        QFETCH(QString, expected);
        Study s = study(QStringLiteral("3"), {"3", "3", "3"});
        s.stgdatos.setCell(column, row, text.toStdString());
        const auto problem = checkDataOnExit(s, decimal);
        QCOMPARE(outcome(problem), expected);
        // The problem points at its cell, for the window to select it.
        if (problem)
            QCOMPARE(problem->cell, std::optional<GridCell>(GridCell{column, row}));
    }

    void dataOnExitChecksEveryXBeforeAnyY() {
        Study s = study(QStringLiteral("3"), {"3", "3", "3"});
        s.stgdatos.setCell(2, 1, "");
        s.stgdatos.setCell(1, 9, "x");
        const auto problem = checkDataOnExit(s, '.');
        QCOMPARE(outcome(problem),
                 QStringLiteral("tab 2, stgdatos: Algun dato capturado no es un valor numérico."));
        QCOMPARE(problem->cell, std::optional<GridCell>(GridCell{1, 9}));
    }

    // The study validation reports the replicate problems exactly as the window's checks do.
    void validationSharesTheReplicateChecks_data() {
        QTest::addColumn<QString>("levels");
        QTest::addColumn<QStringList>("replicates");
        QTest::addColumn<QString>("expected");
        QTest::newRow("cells") << "4" << QStringList{"3", "3", "3"} << kReplicateCells;
        QTest::newRow("sum") << "3" << QStringList{"3", "3", "4"} << kDataCells;
        QTest::newRow("missing") << "3" << QStringList{"3", "3", ""}
                                 << "tab 1, stgniveles: Falta la replicación en el nivel 3";
    }
    void validationSharesTheReplicateChecks() {
        QFETCH(QString, levels);
        QFETCH(QStringList, replicates);
        QFETCH(QString, expected);
        const Study s = study(levels, replicates);
        QCOMPARE(outcome(ValidaEstudio(s)), expected);
        QCOMPARE(outcome(checkDataOnEnter(s)), expected);
    }
};

QTEST_APPLESS_MAIN(TestFieldChecks)
#include "tst_fieldchecks.moc"
