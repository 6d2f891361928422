#include "core/results/ReportText.h"
#include "core/stats/CalculaAnova.h"
#include "core/stats/CalculaRegresion.h"
#include "core/stats/StudyObservations.h"
#include "support/TestStudies.h"

#include "support/WorkedExampleTexts.h"

#include <QtTest>

using namespace linealidad;
using Lines = std::vector<std::string>;

namespace {

struct Computed {
    Study study;
    ResultadosRegresion R;
    ResultadosAnova A;
    Residuals residuals;
    explicit Computed(Study s, char decimal = '.') : study(std::move(s)) {
        bool zero = false;
        const Observations data = readObservations(study, decimal);
        CalculaRegresion(data, R, zero);
        CalculaAnova(data, A, zero, residuals);
    }
    QStringList report(char decimal = '.') const {
        QStringList l;
        for (const auto& s : linealidad::report(study, decimal, R, A, residuals))
            l << QString::fromStdString(s);
        return l;
    }
};

// Report lines are numbered from 1.
QString line(const QStringList& report, int number) {
    return report.at(number - 1);
}

const QStringList kWorkedExampleReport =
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
    test::workedExampleInferenceLines() +
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
Study singleReplicateStudy() {
    Study s = test::study({1, 1, 1, 1, 1}, {"1", "2", "3", "4", "5"},
                          {"1.1", "1.9", "3.05", "4.0", "4.95"});
    s.eadicionada = "mg";
    s.emedida = "Absorbancia";
    return s;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT
private slots:
    void workedExampleReport() {
        const Computed c(test::workedExample());
        QCOMPARE(c.report(), kWorkedExampleReport);
    }

    // The window holds lines 1 to 31 before the analysis of variance runs.
    void firstPartUpToLine31() {
        const Computed c(test::workedExample());
        const Lines start = reportStudyAndInference(c.study, '.', c.R);
        QCOMPARE(start.size(), std::size_t(38)); // 31 numbered lines, 13 and 16 repeated
        QCOMPARE(QString::fromStdString(start.back()), QString(" "));
        QCOMPARE(QString::fromStdString(start[start.size() - 2]),
                 QString("COEFICIENTE DE DETERMINACIÓN (r^2) = 0.9762516046"));
    }

    void withDecimalComma() {
        Study s = test::workedExample();
        for (int j = 1; j <= 6; ++j) {
            std::string y = s.stgdatos.cell(2, j);
            y[1] = ',';
            s.stgdatos.setCell(2, j, y);
        }
        const QStringList report = Computed(s, ',').report(',');
        QCOMPARE(line(report, 18), QString("           1            1,0"));
        QCOMPARE(line(report, 27), QString("PENDIENTE =  0,975"));
        QCOMPARE(line(report, 48), QString("Pfcal = 0,000898959"));
        QCOMPARE(report.last(), QString("          6                       3,025               "
                                        "         -0,125                        -1,07624"));
    }

    // A study read from a file labels each data row with its level (ten blanks and the
    // number); a new study leaves the label empty, so its lines start with the eleven blanks.
    void levelLabels() {
        Study read = test::workedExample();
        read.writeFileTitles(3);
        const QStringList report = Computed(read).report();
        QCOMPARE(line(report, 18), QString("          1           1            1.0"));
        QCOMPARE(line(report, 23), QString("          3           3            2.9"));
        QCOMPARE(line(kWorkedExampleReport, 18), QString("           1            1.0"));
    }

    void oneReplicatePerLevel() {
        const QStringList report = Computed(singleReplicateStudy()).report();
        // Heading and levels, data, inference, then only regression and error: no lack of fit,
        // no residuals.
        QCOMPARE(report.size(), (12 + 5 + 1) + (1 + 5 + 1) + (13 + 1) + 16 + 1);
        QCOMPARE(report.last(),
                 QString("EXISTE RELACION ALTAMENTE SIGNIFICATIVA DE mg Y Absorbancia"));
        QCOMPARE(report.at(report.size() - 2), QString(" "));
        QCOMPARE(report.at(report.size() - 3), QString("MEDIA DE CUADRADOS = 0.007"));
        QVERIFY(!report.contains("ANÁLISIS DE RESIDUALES"));
        QVERIFY(!report.contains("FUENTE DE VARIACIÓN : FALTA DE AJUSTE"));
    }

    void oneReplicateSignificant() {
        Computed c(singleReplicateStudy());
        c.A.PRegresion = 0.03;
        QCOMPARE(c.report().last(), QString("EXISTE RELACIÓN SIGNIFICATIVA DE mg Y Absorbancia"));
    }

    void noDependence() {
        Computed c(test::workedExample());
        c.A.PRegresion = 0.2;
        const QStringList report = c.report();
        QCOMPARE(line(report, 39), QString(" ")); // line 32: no origin verdict
        QCOMPARE(line(report, 67), QString("NO HAY DEPENDENCIA ENTRE LAS VARIABLES"));
        QCOMPARE(line(report, 68), QString(" "));
        QCOMPARE(report.size(), kWorkedExampleReport.size() - 1);
    }

    void significantWithoutLinearModel() {
        Computed c(test::workedExample());
        c.A.PRegresion = 0.03;
        c.A.PFaltaAjuste = 0.01;
        c.R.TcalOrdenada = -c.R.TTabla;
        const QStringList report = c.report();
        QCOMPARE(line(report, 39),
                 QString("LA ORDENADA DE LA RELACIÓN LINEAL mg - Absorbancia NO PASA POR EL "
                         "ORIGEN."));
        QCOMPARE(line(report, 67), QString("EXISTE RELACIÓN SIGNIFICATIVA DE mg Y Absorbancia"));
        QCOMPARE(line(report, 68), QString("EL MODELO LINEAL NO REPRESENTA DE MANERA CORRECTA LA "
                                           "RELACIÓN mg Y Absorbancia"));
    }
};

QTEST_APPLESS_MAIN(TestReport)
#include "tst_report.moc"
