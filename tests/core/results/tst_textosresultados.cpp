#include "results/ColumnasResiduales.h"
#include "results/Inferencia.h"
#include "results/TablaAnova.h"
#include "stats/CalculaAnova.h"
#include "stats/CalculaRegresion.h"
#include "support/EstudiosDePrueba.h"

#include "support/TextosDelEjemplo.h"

#include <QtTest>

using namespace linealidad;
using Lineas = std::vector<std::string>;

namespace {

// The worked example computed by the engine, as the result commands compute it.
struct Calculado {
    Study estudio = prueba::ejemploTrabajado();
    ResultadosRegresion R;
    ResultadosAnova A;
    Residuales residuales;
    Calculado() {
        bool cero = false;
        CalculaRegresion(estudio, '.', R, cero);
        CalculaAnova(estudio, '.', A, cero, residuales);
    }
};

QStringList texto(const Lineas& lineas) {
    QStringList l;
    for (const auto& s : lineas)
        l << QString::fromStdString(s);
    return l;
}

QStringList fila(const CeldasAnova& c, int row) {
    return texto(Lineas(c[row].begin(), c[row].end()));
}

const QString kPasa = "LA ORDENADA DE LA RELACIÓN LINEAL mg - Absorbancia PASA POR EL ORIGEN.";
const QString kNoPasa = "LA ORDENADA DE LA RELACIÓN LINEAL mg - Absorbancia NO PASA POR EL ORIGEN.";
const QString kAltamente = "EXISTE RELACIÓN ALTAMENTE SIGNIFICATIVA DE mg Y Absorbancia";
const QString kSignificativa = "EXISTE RELACIÓN SIGNIFICATIVA DE mg Y Absorbancia";
const QString kRepresenta =
    "EL MODELO LINEAL REPRESENTA DE MANERA CORRECTA LA RELACIÓN mg Y Absorbancia";
const QString kNoRepresenta =
    "EL MODELO LINEAL NO REPRESENTA DE MANERA CORRECTA LA RELACIÓN mg Y Absorbancia";
const QString kSinDependencia = "NO HAY DEPENDENCIA ENTRE LAS VARIABLES";

} // namespace

class TestTextosResultados : public QObject {
    Q_OBJECT
private slots:
    void inferenciaDelEjemplo() {
        const Calculado c;
        const QStringList esperado = prueba::lineasInferenciaDelEjemplo() + QStringList{
                                                                                "",
                                                                                kPasa,
                                                                            };
        QCOMPARE(texto(memoInferencia(c.estudio, '.', c.R, c.A)), esperado);
        QCOMPARE(texto(lineasInferencia('.', c.R)), esperado.mid(0, kLineasInferencia));
        // When the analysis of variance faults the memo keeps its lines and the empty line.
        QCOMPARE(texto(memoInferenciaSinAnova('.', c.R)), esperado.mid(0, 14));
    }

    void inferenciaConComa() {
        const Calculado c;
        const Lineas l = lineasInferencia(',', c.R);
        QCOMPARE(l[2], std::string("PENDIENTE =  0,975"));
        QCOMPARE(l[8], std::string("LÍMITE INFERIOR DEL INTERVALO DE CONFIANZA = -0,356033"));
    }

    void oracionDeOrigen_data() {
        QTest::addColumn<double>("tcal");
        QTest::addColumn<double>("ttabla");
        QTest::addColumn<double>("p");
        QTest::addColumn<QString>("oracion");
        QTest::newRow("no significativa, tb >= t: ninguna") << 3.0 << 2.7764 << 0.2 << QString();
        QTest::newRow("no significativa, tb < t: pasa") << 1.0 << 2.7764 << 0.2 << kPasa;
        QTest::newRow("tb == t: no pasa") << 2.7764 << 2.7764 << 0.01 << kNoPasa;
        QTest::newRow("tb negativa") << -3.0 << 2.7764 << 0.001 << kNoPasa;
        QTest::newRow("p = 0.05 cuenta como mayor") << 3.0 << 2.7764 << 0.05 << QString();
        QTest::newRow("tb < t, significativa") << 0.5 << 2.7764 << 0.001 << kPasa;
    }
    void oracionDeOrigen() {
        QFETCH(double, tcal);
        QFETCH(double, ttabla);
        QFETCH(double, p);
        QFETCH(QString, oracion);
        const Calculado c;
        ResultadosRegresion R = c.R;
        R.TcalOrdenada = tcal;
        R.TTabla = ttabla;
        ResultadosAnova A = c.A;
        A.PRegresion = p;
        const auto o = oracionOrigenInferencia(c.estudio, R, p);
        QCOMPARE(o ? QString::fromStdString(*o) : QString(), oracion);
        const Lineas memo = memoInferencia(c.estudio, '.', R, A);
        QCOMPARE(memo.size(), std::size_t(oracion.isEmpty() ? 14 : 15));
    }

    void oracionDeOrigenConTextosVacios() {
        Study s = prueba::ejemploTrabajado();
        s.eadicionada.clear();
        s.emedida.clear();
        ResultadosRegresion R;
        R.TTabla = 2.7764;
        QCOMPARE(oracionOrigenInferencia(s, R, 0.001).value(),
                 std::string("LA ORDENADA DE LA RELACIÓN LINEAL  -  PASA POR EL ORIGEN."));
    }

    void anovaDelEjemplo() {
        const Calculado c;
        const CeldasAnova celdas = celdasAnova('.', c.A);
        QCOMPARE(fila(celdas, 0), QStringList({"         FUENTE", "    GRADOS", "      SUMA",
                                               "     MEDIA", "", ""}));
        QCOMPARE(fila(celdas, 1), QStringList({"             DE", "        DE", "        DE",
                                               "        DE", "      fcal", "     Pfcal"}));
        QCOMPARE(fila(celdas, 2), QStringList({"      VARIACIÓN", "  LIBERTAD", " CUADRADOS",
                                               " CUADRADOS", "", ""}));
        QCOMPARE(fila(celdas, 3),
                 QStringList({"REGRESIÓN", "1", "3.8025", "3.8025", "164.432", "0.000898959"}));
        QCOMPARE(fila(celdas, 4),
                 QStringList({"ERROR DE REGRESIÓN", "4", "0.0925", "0.023125", "", ""}));
        QCOMPARE(fila(celdas, 5),
                 QStringList({"FALTA DE AJUSTE", "1", "0.0075", "0.0075", "0.264706", "0.642406"}));
        QCOMPARE(fila(celdas, 6), QStringList({"ERROR PURO", "3", "0.085", "0.0283333", "", ""}));
        QCOMPARE(texto(oracionesAnova(c.estudio, c.A)), QStringList({kAltamente, kRepresenta}));
    }

    // Without pure error the lack-of-fit fields hold whatever an earlier study left there.
    void anovaSinErrorPuro() {
        const Calculado c;
        ResultadosAnova A = c.A;
        A.GLErrorPuro = 0;
        const CeldasAnova celdas = celdasAnova(',', A);
        QCOMPARE(fila(celdas, 3).at(2), QString("3,8025"));
        QCOMPARE(fila(celdas, 5), QStringList({"", "", "", "", "", ""}));
        QCOMPARE(fila(celdas, 6), QStringList({"", "", "", "", "", ""}));
        QCOMPARE(texto(oracionesAnova(c.estudio, A)), QStringList({kAltamente}));
    }

    void veredictosAnova_data() {
        QTest::addColumn<double>("p");
        QTest::addColumn<double>("q");
        QTest::addColumn<double>("glErrorPuro");
        QTest::addColumn<QStringList>("oraciones");
        QTest::newRow("p = 0.05") << 0.05 << 0.5 << 3.0 << QStringList{kSinDependencia};
        QTest::newRow("p > 0.05, q baja") << 0.2 << 0.01 << 3.0 << QStringList{kSinDependencia};
        QTest::newRow("p = 0.01") << 0.01 << 0.5 << 3.0 << QStringList{kSignificativa, kRepresenta};
        QTest::newRow("q = 0.05") << 0.001 << 0.05 << 3.0 << QStringList{kAltamente, kRepresenta};
        QTest::newRow("p = 0.03, q = 0.01")
            << 0.03 << 0.01 << 3.0 << QStringList{kSignificativa, kNoRepresenta};
        QTest::newRow("p = 0.001, q = 0.01")
            << 0.001 << 0.01 << 3.0 << QStringList{kAltamente, kNoRepresenta};
        QTest::newRow("sin error puro, p = 0.03")
            << 0.03 << 0.01 << 0.0 << QStringList{kSignificativa};
        QTest::newRow("sin error puro, p = 0.05")
            << 0.05 << 0.01 << 0.0 << QStringList{kSinDependencia};
    }
    void veredictosAnova() {
        QFETCH(double, p);
        QFETCH(double, q);
        QFETCH(double, glErrorPuro);
        QFETCH(QStringList, oraciones);
        ResultadosAnova A;
        A.PRegresion = p;
        A.PFaltaAjuste = q;
        A.GLErrorPuro = glErrorPuro;
        QCOMPARE(texto(oracionesAnova(prueba::ejemploTrabajado(), A)), oraciones);
    }

    void residualesDelEjemplo() {
        const Calculado c;
        const ColumnasResiduales col = columnasResiduales(c.estudio, '.', c.residuales);
        QCOMPARE(texto(col.memoR),
                 QStringList({"****", "Observación", "           1", "           2", "           3",
                              "           4", "           5", "           6"}));
        QCOMPARE(texto(col.Memo1R), QStringList({"****", "Pronóstico para Y", "1.075", "1.075",
                                                 "2.05", "2.05", "3.025", "3.025"}));
        QCOMPARE(texto(col.Memo2R), QStringList({"****", "Residuales", "-0.075", "0.125", "0.05",
                                                 "-0.15", "0.175", "-0.125"}));
        QCOMPARE(texto(col.Memo3R),
                 QStringList({"Residuos", "Estudentizados", "-0.645746", "1.07624", "0.36018",
                              "-1.08054", "1.50674", "-1.07624"}));
        const ColumnasResiduales coma = columnasResiduales(c.estudio, ',', c.residuales);
        QCOMPARE(coma.Memo2R[2], std::string("-0,075"));
    }

    // The lines follow the data grid's rows; arrays left larger by an earlier, bigger study
    // add nothing, and arrays shorter than the grid are never read past their end.
    void residualesSiguenLaRejilla() {
        const Calculado c;
        Residuales mayores = c.residuales;
        for (auto* v : {&mayores.Pronostico, &mayores.Residual, &mayores.Estudentizado})
            v->resize(20, 9.0);
        mayores.Observacion.resize(20, 99);
        QCOMPARE(columnasResiduales(c.estudio, '.', mayores).memoR.size(), std::size_t(8));
        QCOMPARE(columnasResiduales(c.estudio, '.', Residuales{}).Memo3R.size(), std::size_t(2));
    }
};

QTEST_APPLESS_MAIN(TestTextosResultados)
#include "tst_textosresultados.moc"
