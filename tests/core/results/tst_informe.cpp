#include "results/Informe.h"
#include "stats/CalculaAnova.h"
#include "stats/CalculaRegresion.h"
#include "support/EstudiosDePrueba.h"

#include "support/TextosDelEjemplo.h"

#include <QtTest>

using namespace linealidad;
using Lineas = std::vector<std::string>;

namespace {

struct Calculado {
    Study estudio;
    ResultadosRegresion R;
    ResultadosAnova A;
    Residuales residuales;
    explicit Calculado(Study s, char decimal = '.') : estudio(std::move(s)) {
        bool cero = false;
        CalculaRegresion(estudio, decimal, R, cero);
        CalculaAnova(estudio, decimal, A, cero, residuales);
    }
    QStringList informe(char decimal = '.') const {
        QStringList l;
        for (const auto& s : linealidad::informe(estudio, decimal, R, A, residuales))
            l << QString::fromStdString(s);
        return l;
    }
};

// Report lines are numbered from 1.
QString linea(const QStringList& informe, int numero) {
    return informe.at(numero - 1);
}

const QStringList kInformeDelEjemplo =
    QStringList{
        "LINEALIDAD Y PRECISIÓN DEL SISTEMA DE MEDICIÓN",
        " ",
        "Nombre del Método: Valoración por UV",
        "Nombre del Analista: Ana Pérez",
        "Fecha: 08/12/2026",
        "Unidades de la Cantidad Adicionada: mg",
        "Nombre de la Propiedad Medida: Absorbancia",
        " ",
        "Número de Niveles:",
        "3",
        " ",
        "Nivel       Replicación ",
        "1                     2",
        "2                     2",
        "3                     2",
        " ",
        "Nivel        X              Y ",
        "           1            1.0",
        "           1            1.2",
        "           2            2.1",
        "           2            1.9",
        "           3            3.2",
        "           3            2.9",
        " ",
    } +
    prueba::lineasInferenciaDelEjemplo() +
    QStringList{
        " ",
        "LA ORDENADA DE LA RELACIÓN LINEAL mg - Absorbancia PASA POR EL ORIGEN.",
        " ",
        "ANÁLISIS DE LA VARIANZA",
        " ",
        "FUENTE DE VARIACIÓN : REGRESIÓN",
        "GRADOS DE LIBERTAD = 1",
        "SUMA DE CUADRADOS = 3.8025",
        "MEDIA DE CUADRADOS = 3.8025",
        "fcal = 164.432",
        "Pfcal = 0.000898959",
        " ",
        "FUENTE DE VARIACIÓN : ERROR DE REGRESIÓN",
        "GRADOS DE LIBERTAD = 4",
        "SUMA DE CUADRADOS = 0.0925",
        "MEDIA DE CUADRADOS = 0.023125",
        " ",
        "FUENTE DE VARIACIÓN : FALTA DE AJUSTE",
        "GRADOS DE LIBERTAD = 1",
        "SUMA DE CUADRADOS = 0.0075",
        "MEDIA DE CUADRADOS = 0.0075",
        "fcal = 0.264706",
        "Pfcal = 0.642406",
        " ",
        "FUENTE DE VARIACIÓN : ERROR PURO",
        "GRADOS DE LIBERTAD = 3",
        "SUMA DE CUADRADOS = 0.085",
        "MEDIA DE CUADRADOS = 0.0283333",
        " ",
        "EXISTE RELACIÓN ALTAMENTE SIGNIFICATIVA DE mg Y Absorbancia",
        "EL MODELO LINEAL REPRESENTA DE MANERA CORRECTA LA RELACIÓN mg Y Absorbancia",
        " ",
        " ",
        "ANÁLISIS DE RESIDUALES",
        " ",
        "Observación        Pronóstico para Y               Residuales               Residuos "
        "Estudentizados",
        "          1                       1.075                        -0.075                   "
        "     -0.645746",
        "          2                       1.075                        0.125                      "
        "  "
        "1.07624",
        "          3                       2.05                        0.05                        "
        "0.36018",
        "          4                       2.05                        -0.15                       "
        " "
        "-1.08054",
        "          5                       3.025                        0.175                      "
        "  "
        "1.50674",
        "          6                       3.025                        -0.125                     "
        "  "
        " -1.07624",
    };

// Five levels of one replicate on a steep line: highly significant, no pure error.
Study estudioDeUnaReplica() {
    Study s = prueba::estudio({1, 1, 1, 1, 1}, {"1", "2", "3", "4", "5"},
                              {"1.1", "1.9", "3.05", "4.0", "4.95"});
    s.eadicionada = "mg";
    s.emedida = "Absorbancia";
    return s;
}

} // namespace

class TestInforme : public QObject {
    Q_OBJECT
private slots:
    void informeDelEjemplo() {
        const Calculado c(prueba::ejemploTrabajado());
        QCOMPARE(c.informe(), kInformeDelEjemplo);
    }

    // The window holds lines 1 to 31 before the analysis of variance runs.
    void primeraParteHastaLaLinea31() {
        const Calculado c(prueba::ejemploTrabajado());
        const Lineas inicio = informeEstudioEInferencia(c.estudio, '.', c.R);
        QCOMPARE(inicio.size(), std::size_t(38)); // 31 numbered lines, 13 and 16 repeated
        QCOMPARE(QString::fromStdString(inicio.back()), QString(" "));
        QCOMPARE(QString::fromStdString(inicio[inicio.size() - 2]),
                 QString("COEFICIENTE DE DETERMINACIÓN (r^2) = 0.9762516046"));
    }

    void conComaDecimal() {
        Study s = prueba::ejemploTrabajado();
        for (int j = 1; j <= 6; ++j) {
            std::string y = s.stgdatos.cell(2, j);
            y[1] = ',';
            s.stgdatos.setCell(2, j, y);
        }
        const QStringList informe = Calculado(s, ',').informe(',');
        QCOMPARE(linea(informe, 18), QString("           1            1,0"));
        QCOMPARE(linea(informe, 27), QString("PENDIENTE =  0,975"));
        QCOMPARE(linea(informe, 48), QString("Pfcal = 0,000898959"));
        QCOMPARE(informe.last(), QString("          6                       3,025               "
                                         "         -0,125                        -1,07624"));
    }

    // A study read from a file labels each data row with its level (ten blanks and the
    // number); a new study leaves the label empty, so its lines start with the eleven blanks.
    void etiquetasDeNivel() {
        Study leido = prueba::ejemploTrabajado();
        leido.writeFileTitles(3);
        const QStringList informe = Calculado(leido).informe();
        QCOMPARE(linea(informe, 18), QString("          1           1            1.0"));
        QCOMPARE(linea(informe, 23), QString("          3           3            2.9"));
        QCOMPARE(linea(kInformeDelEjemplo, 18), QString("           1            1.0"));
    }

    void unaReplicaPorNivel() {
        const QStringList informe = Calculado(estudioDeUnaReplica()).informe();
        // Heading and levels, data, inference, then only regression and error: no lack of fit,
        // no residuals.
        QCOMPARE(informe.size(), (12 + 5 + 1) + (1 + 5 + 1) + (13 + 1) + 16 + 1);
        QCOMPARE(informe.last(),
                 QString("EXISTE RELACION ALTAMENTE SIGNIFICATIVA DE mg Y Absorbancia"));
        QCOMPARE(informe.at(informe.size() - 2), QString(" "));
        QCOMPARE(informe.at(informe.size() - 3), QString("MEDIA DE CUADRADOS = 0.007"));
        QVERIFY(!informe.contains("ANÁLISIS DE RESIDUALES"));
        QVERIFY(!informe.contains("FUENTE DE VARIACIÓN : FALTA DE AJUSTE"));
    }

    void unaReplicaSignificativa() {
        Calculado c(estudioDeUnaReplica());
        c.A.PRegresion = 0.03;
        QCOMPARE(c.informe().last(), QString("EXISTE RELACIÓN SIGNIFICATIVA DE mg Y Absorbancia"));
    }

    void sinDependencia() {
        Calculado c(prueba::ejemploTrabajado());
        c.A.PRegresion = 0.2;
        const QStringList informe = c.informe();
        QCOMPARE(linea(informe, 39), QString(" ")); // line 32: no origin verdict
        QCOMPARE(linea(informe, 67), QString("NO HAY DEPENDENCIA ENTRE LAS VARIABLES"));
        QCOMPARE(linea(informe, 68), QString(" "));
        QCOMPARE(informe.size(), kInformeDelEjemplo.size() - 1);
    }

    void significativaSinModeloLineal() {
        Calculado c(prueba::ejemploTrabajado());
        c.A.PRegresion = 0.03;
        c.A.PFaltaAjuste = 0.01;
        c.R.TcalOrdenada = -c.R.TTabla;
        const QStringList informe = c.informe();
        QCOMPARE(linea(informe, 39),
                 QString("LA ORDENADA DE LA RELACIÓN LINEAL mg - Absorbancia NO PASA POR EL "
                         "ORIGEN."));
        QCOMPARE(linea(informe, 67), QString("EXISTE RELACIÓN SIGNIFICATIVA DE mg Y Absorbancia"));
        QCOMPARE(linea(informe, 68), QString("EL MODELO LINEAL NO REPRESENTA DE MANERA CORRECTA LA "
                                             "RELACIÓN mg Y Absorbancia"));
    }
};

QTEST_APPLESS_MAIN(TestInforme)
#include "tst_informe.moc"
