#include "core/study/ValidaEstudio.h"
#include "core/text/Errors.h"
#include "support/TestStudies.h"

#include <QtTest>

using namespace linealidad;

namespace {

// A new study with replicates 3, 3, 3 and every data cell filled.
Study complete() {
    Study s = Study::fresh();
    for (int i = 1; i <= 3; ++i)
        s.stgniveles.setCell(i, 1, "3");
    for (int j = 1; j <= 9; ++j) {
        s.stgdatos.setCell(1, j, std::to_string(j));
        s.stgdatos.setCell(2, j, std::to_string(2 * j));
    }
    return s;
}

QString message(const Study& s) {
    const auto p = ValidaEstudio(s);
    return p ? QString::fromStdString(p->message) : QString();
}

} // namespace

class TestValidaEstudio : public QObject {
    Q_OBJECT
private slots:
    void newStudy() {
        const Study s = Study::fresh();
        QCOMPARE(s.stgniveles.cell(0, 0), std::string("     Nivel  "));
        QCOMPARE(s.stgniveles.cell(0, 1), std::string(" # Replicas "));
        QCOMPARE(s.stgniveles.cell(2, 0), std::string("2"));
        QCOMPARE(s.stgdatos.cell(1, 0), std::string("X"));
        QCOMPARE(s.stgniveles.colCount(), 4);
        QCOMPARE(s.stgdatos.rowCount(), 10);
        QCOMPARE(s.eniveles, std::string("3"));
    }

    void gridKeepsHiddenCells() {
        StringGrid g(6, 2);
        g.setCell(5, 1, "4");
        g.setColCount(4);
        QCOMPARE(g.colCount(), 4);
        g.setColCount(6);
        QCOMPARE(g.cell(5, 1), std::string("4"));
        QCOMPARE(g.cell(40, 40), std::string());
    }

    void completePasses() { QVERIFY(!ValidaEstudio(complete())); }

    void orderOfTheChecks() {
        Study s = complete();
        s.eniveles = "";
        auto p = ValidaEstudio(s);
        QVERIFY(p);
        QCOMPARE(p->message, std::string("Falta capturar el número de niveles"));
        QCOMPARE(p->tab, 1);
        QCOMPARE(p->control, StudyControl::eniveles);

        for (const char* n : {"2", "11"}) {
            s.eniveles = n;
            QCOMPARE(message(s), QString("Datos fuera de rango, 3-10 Niveles"));
        }

        // The replicate cells are checked over the grid's width, before N is compared to it.
        s = complete();
        s.stgniveles.setColCount(6);
        p = ValidaEstudio(s);
        QCOMPARE(p->message, std::string("Falta la replicación en el nivel 4"));
        QCOMPARE(p->control, StudyControl::stgniveles);

        s.stgniveles.setCell(4, 1, "0");
        s.stgniveles.setCell(5, 1, "0");
        p = ValidaEstudio(s);
        QCOMPARE(p->message, std::string("El número de celdas de captura para las replicaciones, "
                                         "no coincide con el número de niveles."));
        QCOMPARE(p->control, StudyControl::eniveles);
    }

    void replicatesThatDoNotAddUpToTheRows() {
        Study s = complete();
        s.stgniveles.setCell(3, 1, "2");
        const auto p = ValidaEstudio(s);
        QCOMPARE(p->message, std::string("El número de celdas de captura para los datos, no "
                                         "coincide con el número de replicas por nivel."));
        QCOMPARE(p->tab, 1);
        QCOMPARE(p->control, StudyControl::stgniveles);
    }

    // Counts that add up to the rows but leave a level with no observations, or fewer, would
    // group the rows wrongly: no count below one passes.
    void levelsWithoutObservations_data() {
        QTest::addColumn<QStringList>("counts");
        QTest::newRow("none") << QStringList{"4", "0", "5"};
        QTest::newRow("negative") << QStringList{"5", "-1", "5"};
    }
    void levelsWithoutObservations() {
        QFETCH(QStringList, counts);
        Study s = complete();
        for (int i = 1; i <= 3; ++i)
            s.stgniveles.setCell(i, 1, counts[i - 1].toStdString());
        const auto p = ValidaEstudio(s);
        QVERIFY(p);
        QCOMPARE(p->message, std::string("Datos fuera de rango, minimo 1 Réplica"));
        QCOMPARE(p->tab, 1);
        QCOMPARE(p->control, StudyControl::stgniveles);
        QCOMPARE(p->cell->col, 2);
    }

    void missingXBeforeY() {
        Study s = complete();
        s.stgdatos.setCell(2, 4, "");
        auto p = ValidaEstudio(s);
        QCOMPARE(p->message, std::string("Falta el dato 4 de la propiedad medida"));
        QCOMPARE(p->tab, 2);
        QCOMPARE(p->control, StudyControl::stgdatos);
        s.stgdatos.setCell(1, 9, "");
        QCOMPARE(message(s), QString("Falta el dato 9 de la cantidad adicionada"));
    }

    void tenLevelsPass() {
        std::vector<int> replicates(10, 1);
        std::vector<std::string> x, y;
        for (int j = 1; j <= 10; ++j) {
            x.push_back(std::to_string(j));
            y.push_back(std::to_string(j * 3 + j % 2));
        }
        QVERIFY(!ValidaEstudio(test::study(replicates, x, y)));
    }

    void nonIntegerTextsThrow() {
        Study s = complete();
        s.eniveles = "x";
        QVERIFY_THROWS_EXCEPTION(ConversionError, ValidaEstudio(s));
        s = complete();
        s.stgniveles.setCell(2, 1, "2.5");
        QVERIFY_THROWS_EXCEPTION(ConversionError, ValidaEstudio(s));
    }

    void doesNotChangeTheStudy() {
        Study s = complete();
        s.stgdatos.setCell(1, 3, "");
        const Study before = s;
        (void)ValidaEstudio(s);
        QCOMPARE(s.stgdatos.cell(1, 3), before.stgdatos.cell(1, 3));
        QCOMPARE(s.stgdatos.rowCount(), before.stgdatos.rowCount());
    }
};

QTEST_APPLESS_MAIN(TestValidaEstudio)
#include "tst_validaestudio.moc"
