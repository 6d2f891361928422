#include "study/ValidaEstudio.h"
#include "support/EstudiosDePrueba.h"
#include "text/Errors.h"

#include <QtTest>

using namespace linealidad;

namespace {

// A new study with replicates 3, 3, 3 and every data cell filled.
Study completo() {
    Study s = Study::nuevo();
    for (int i = 1; i <= 3; ++i)
        s.stgniveles.setCell(i, 1, "3");
    for (int j = 1; j <= 9; ++j) {
        s.stgdatos.setCell(1, j, std::to_string(j));
        s.stgdatos.setCell(2, j, std::to_string(2 * j));
    }
    return s;
}

QString mensaje(const Study& s) {
    const auto p = ValidaEstudio(s);
    return p ? QString::fromStdString(p->mensaje) : QString();
}

} // namespace

class TestValidaEstudio : public QObject {
    Q_OBJECT
private slots:
    void estudioNuevo() {
        const Study s = Study::nuevo();
        QCOMPARE(s.stgniveles.cell(0, 0), std::string("     Nivel  "));
        QCOMPARE(s.stgniveles.cell(0, 1), std::string(" # Replicas "));
        QCOMPARE(s.stgniveles.cell(2, 0), std::string("2"));
        QCOMPARE(s.stgdatos.cell(1, 0), std::string("X"));
        QCOMPARE(s.stgniveles.colCount(), 4);
        QCOMPARE(s.stgdatos.rowCount(), 10);
        QCOMPARE(s.eniveles, std::string("3"));
    }

    void rejillaConservaCeldasOcultas() {
        StringGrid g(6, 2);
        g.setCell(5, 1, "4");
        g.setColCount(4);
        QCOMPARE(g.colCount(), 4);
        g.setColCount(6);
        QCOMPARE(g.cell(5, 1), std::string("4"));
        QCOMPARE(g.cell(40, 40), std::string());
    }

    void completoPasa() { QVERIFY(!ValidaEstudio(completo())); }

    void ordenDeLasComprobaciones() {
        Study s = completo();
        s.eniveles = "";
        auto p = ValidaEstudio(s);
        QVERIFY(p);
        QCOMPARE(p->mensaje, std::string("Falta capturar el número de niveles"));
        QCOMPARE(p->pestana, 1);
        QCOMPARE(p->control, ControlEstudio::eniveles);

        for (const char* n : {"2", "11"}) {
            s.eniveles = n;
            QCOMPARE(mensaje(s), QString("Datos fuera de rango, 3-10 Niveles"));
        }

        // The replicate cells are checked over the grid's width, before N is compared to it.
        s = completo();
        s.stgniveles.setColCount(6);
        p = ValidaEstudio(s);
        QCOMPARE(p->mensaje, std::string("Falta la replicación en el nivel 4"));
        QCOMPARE(p->control, ControlEstudio::stgniveles);

        s.stgniveles.setCell(4, 1, "0");
        s.stgniveles.setCell(5, 1, "0");
        p = ValidaEstudio(s);
        QCOMPARE(p->mensaje, std::string("El número de celdas de captura para las replicaciones, "
                                         "no coincide con el número de niveles."));
        QCOMPARE(p->control, ControlEstudio::eniveles);
    }

    void replicasQueNoSumanLasFilas() {
        Study s = completo();
        s.stgniveles.setCell(3, 1, "2");
        const auto p = ValidaEstudio(s);
        QCOMPARE(p->mensaje, std::string("El número de celdas de captura para los datos, no "
                                         "coincide con el número de replicas por nivel."));
        QCOMPARE(p->pestana, 1);
        QCOMPARE(p->control, ControlEstudio::stgniveles);
    }

    void datosFaltantesXAntesQueY() {
        Study s = completo();
        s.stgdatos.setCell(2, 4, "");
        auto p = ValidaEstudio(s);
        QCOMPARE(p->mensaje, std::string("Falta el dato 4 de la propiedad medida"));
        QCOMPARE(p->pestana, 2);
        QCOMPARE(p->control, ControlEstudio::stgdatos);
        s.stgdatos.setCell(1, 9, "");
        QCOMPARE(mensaje(s), QString("Falta el dato 9 de la cantidad adicionada"));
    }

    void diezNivelesPasan() {
        std::vector<int> replicas(10, 1);
        std::vector<std::string> x, y;
        for (int j = 1; j <= 10; ++j) {
            x.push_back(std::to_string(j));
            y.push_back(std::to_string(j * 3 + j % 2));
        }
        QVERIFY(!ValidaEstudio(prueba::estudio(replicas, x, y)));
    }

    void textosNoEnterosLanzan() {
        Study s = completo();
        s.eniveles = "x";
        QVERIFY_THROWS_EXCEPTION(ConversionError, ValidaEstudio(s));
        s = completo();
        s.stgniveles.setCell(2, 1, "2.5");
        QVERIFY_THROWS_EXCEPTION(ConversionError, ValidaEstudio(s));
    }

    void noCambiaElEstudio() {
        Study s = completo();
        s.stgdatos.setCell(1, 3, "");
        const Study antes = s;
        (void)ValidaEstudio(s);
        QCOMPARE(s.stgdatos.cell(1, 3), antes.stgdatos.cell(1, 3));
        QCOMPARE(s.stgdatos.rowCount(), antes.stgdatos.rowCount());
    }
};

QTEST_APPLESS_MAIN(TestValidaEstudio)
#include "tst_validaestudio.moc"
