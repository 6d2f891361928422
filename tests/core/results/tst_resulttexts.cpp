#include "core/results/AnovaTable.h"
#include "core/results/InferenceText.h"
#include "core/results/ResidualColumns.h"
#include "core/stats/CalculaAnova.h"
#include "core/stats/CalculaRegresion.h"
#include "core/stats/StudyObservations.h"
#include "support/TestStudies.h"

#include "support/WorkedExampleTexts.h"

#include <QtTest>

using namespace linealidad;
using Lines = std::vector<std::string>;

namespace {

// The worked example computed by the engine, as the result commands compute it.
struct Computed {
    Study study = test::workedExample();
    ResultadosRegresion R;
    ResultadosAnova A;
    Residuals residuals;
    Computed() {
        bool zero = false;
        const Observations data = readObservations(study, '.');
        CalculaRegresion(data, R, zero);
        CalculaAnova(data, A, zero, residuals);
    }
};

QStringList text(const Lines& lines) {
    QStringList l;
    for (const auto& s : lines)
        l << QString::fromStdString(s);
    return l;
}

QStringList row(const AnovaCells& c, int row) {
    return text(Lines(c[row].begin(), c[row].end()));
}

const QString kPasses = "LA ORDENADA DE LA RELACIÓN LINEAL mg - Absorbancia PASA POR EL ORIGEN.";
const QString kDoesNotPass =
    "LA ORDENADA DE LA RELACIÓN LINEAL mg - Absorbancia NO PASA POR EL ORIGEN.";
const QString kHighly = "EXISTE RELACIÓN ALTAMENTE SIGNIFICATIVA DE mg Y Absorbancia";
const QString kSignificant = "EXISTE RELACIÓN SIGNIFICATIVA DE mg Y Absorbancia";
const QString kRepresents =
    "EL MODELO LINEAL REPRESENTA DE MANERA CORRECTA LA RELACIÓN mg Y Absorbancia";
const QString kDoesNotRepresent =
    "EL MODELO LINEAL NO REPRESENTA DE MANERA CORRECTA LA RELACIÓN mg Y Absorbancia";
const QString kNoDependence = "NO HAY DEPENDENCIA ENTRE LAS VARIABLES";

} // namespace

class TestResultTexts : public QObject {
    Q_OBJECT
private slots:
    void workedExampleInference() {
        const Computed c;
        const QStringList expected = test::workedExampleInferenceLines() + QStringList{
                                                                               "",
                                                                               kPasses,
                                                                           };
        QCOMPARE(text(inferenceMemo(c.study, '.', c.R, c.A)), expected);
        QCOMPARE(text(inferenceLines('.', c.R)), expected.mid(0, kInferenceLines));
        // When the analysis of variance faults the memo keeps its lines and the empty line.
        QCOMPARE(text(inferenceMemoWithoutAnova('.', c.R)), expected.mid(0, 14));
    }

    void inferenceWithComma() {
        const Computed c;
        const Lines l = inferenceLines(',', c.R);
        QCOMPARE(l[2], std::string("PENDIENTE =  0,975"));
        QCOMPARE(l[8], std::string("LÍMITE INFERIOR DEL INTERVALO DE CONFIANZA = -0,356033"));
    }

    void originSentenceCases_data() {
        QTest::addColumn<double>("tcal");
        QTest::addColumn<double>("ttable");
        QTest::addColumn<double>("p");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("no significativa, tb >= t: ninguna") << 3.0 << 2.7764 << 0.2 << QString();
        QTest::newRow("no significativa, tb < t: pasa") << 1.0 << 2.7764 << 0.2 << kPasses;
        QTest::newRow("tb == t: no pasa") << 2.7764 << 2.7764 << 0.01 << kDoesNotPass;
        QTest::newRow("tb negativa") << -3.0 << 2.7764 << 0.001 << kDoesNotPass;
        QTest::newRow("p = 0.05 cuenta como mayor") << 3.0 << 2.7764 << 0.05 << QString();
        QTest::newRow("tb < t, significativa") << 0.5 << 2.7764 << 0.001 << kPasses;
    }
    void originSentenceCases() {
        QFETCH(double, tcal);
        QFETCH(double, ttable);
        QFETCH(double, p);
        QFETCH(QString, sentence);
        const Computed c;
        ResultadosRegresion R = c.R;
        R.TcalOrdenada = tcal;
        R.TTabla = ttable;
        ResultadosAnova A = c.A;
        A.PRegresion = p;
        const auto o = inferenceOriginSentence(c.study, R, p);
        QCOMPARE(o ? QString::fromStdString(*o) : QString(), sentence);
        const Lines memo = inferenceMemo(c.study, '.', R, A);
        QCOMPARE(memo.size(), std::size_t(sentence.isEmpty() ? 14 : 15));
    }

    void originSentenceWithEmptyTexts() {
        Study s = test::workedExample();
        s.eadicionada.clear();
        s.emedida.clear();
        ResultadosRegresion R;
        R.TTabla = 2.7764;
        QCOMPARE(inferenceOriginSentence(s, R, 0.001).value(),
                 std::string("LA ORDENADA DE LA RELACIÓN LINEAL  -  PASA POR EL ORIGEN."));
    }

    void workedExampleAnova() {
        const Computed c;
        const AnovaCells cells = anovaCells('.', c.A);
        QCOMPARE(row(cells, 0), QStringList({"         FUENTE", "    GRADOS", "      SUMA",
                                             "     MEDIA", "", ""}));
        QCOMPARE(row(cells, 1), QStringList({"             DE", "        DE", "        DE",
                                             "        DE", "      fcal", "     Pfcal"}));
        QCOMPARE(row(cells, 2), QStringList({"      VARIACIÓN", "  LIBERTAD", " CUADRADOS",
                                             " CUADRADOS", "", ""}));
        QCOMPARE(row(cells, 3),
                 QStringList({"REGRESIÓN", "1", "3.8025", "3.8025", "164.432", "0.000898959"}));
        QCOMPARE(row(cells, 4),
                 QStringList({"ERROR DE REGRESIÓN", "4", "0.0925", "0.023125", "", ""}));
        QCOMPARE(row(cells, 5),
                 QStringList({"FALTA DE AJUSTE", "1", "0.0075", "0.0075", "0.264706", "0.642406"}));
        QCOMPARE(row(cells, 6), QStringList({"ERROR PURO", "3", "0.085", "0.0283333", "", ""}));
        QCOMPARE(text(anovaSentences(c.study, c.A)), QStringList({kHighly, kRepresents}));
    }

    // Without pure error the lack-of-fit fields hold whatever an earlier study left there.
    void anovaWithoutPureError() {
        const Computed c;
        ResultadosAnova A = c.A;
        A.GLErrorPuro = 0;
        const AnovaCells cells = anovaCells(',', A);
        QCOMPARE(row(cells, 3).at(2), QString("3,8025"));
        QCOMPARE(row(cells, 5), QStringList({"", "", "", "", "", ""}));
        QCOMPARE(row(cells, 6), QStringList({"", "", "", "", "", ""}));
        QCOMPARE(text(anovaSentences(c.study, A)), QStringList({kHighly}));
    }

    void anovaVerdicts_data() {
        QTest::addColumn<double>("p");
        QTest::addColumn<double>("q");
        QTest::addColumn<double>("pureErrorDF");
        QTest::addColumn<QStringList>("sentences");
        QTest::newRow("p = 0.05") << 0.05 << 0.5 << 3.0 << QStringList{kNoDependence};
        QTest::newRow("p > 0.05, q baja") << 0.2 << 0.01 << 3.0 << QStringList{kNoDependence};
        QTest::newRow("p = 0.01") << 0.01 << 0.5 << 3.0 << QStringList{kSignificant, kRepresents};
        QTest::newRow("q = 0.05") << 0.001 << 0.05 << 3.0 << QStringList{kHighly, kRepresents};
        QTest::newRow("p = 0.03, q = 0.01")
            << 0.03 << 0.01 << 3.0 << QStringList{kSignificant, kDoesNotRepresent};
        QTest::newRow("p = 0.001, q = 0.01")
            << 0.001 << 0.01 << 3.0 << QStringList{kHighly, kDoesNotRepresent};
        QTest::newRow("sin error puro, p = 0.03")
            << 0.03 << 0.01 << 0.0 << QStringList{kSignificant};
        QTest::newRow("sin error puro, p = 0.05")
            << 0.05 << 0.01 << 0.0 << QStringList{kNoDependence};
    }
    void anovaVerdicts() {
        QFETCH(double, p);
        QFETCH(double, q);
        QFETCH(double, pureErrorDF);
        QFETCH(QStringList, sentences);
        ResultadosAnova A;
        A.PRegresion = p;
        A.PFaltaAjuste = q;
        A.GLErrorPuro = pureErrorDF;
        QCOMPARE(text(anovaSentences(test::workedExample(), A)), sentences);
    }

    void workedExampleResiduals() {
        const Computed c;
        const ResidualColumns col = residualColumns(c.study, '.', c.residuals);
        QCOMPARE(text(col.memoR),
                 QStringList({"****", "Observación", "           1", "           2", "           3",
                              "           4", "           5", "           6"}));
        QCOMPARE(text(col.Memo1R), QStringList({"****", "Pronóstico para Y", "1.075", "1.075",
                                                "2.05", "2.05", "3.025", "3.025"}));
        QCOMPARE(text(col.Memo2R), QStringList({"****", "Residuales", "-0.075", "0.125", "0.05",
                                                "-0.15", "0.175", "-0.125"}));
        QCOMPARE(text(col.Memo3R),
                 QStringList({"Residuos", "Estudentizados", "-0.645746", "1.07624", "0.36018",
                              "-1.08054", "1.50674", "-1.07624"}));
        const ResidualColumns comma = residualColumns(c.study, ',', c.residuals);
        QCOMPARE(comma.Memo2R[2], std::string("-0,075"));
    }

    // The lines follow the data grid's rows; arrays left larger by an earlier, bigger study
    // add nothing, and arrays shorter than the grid are never read past their end.
    void residualsFollowTheGrid() {
        const Computed c;
        Residuals larger = c.residuals;
        for (auto* v : {&larger.Pronostico, &larger.Residual, &larger.Estudentizado})
            v->resize(20, 9.0);
        larger.Observacion.resize(20, 99);
        QCOMPARE(residualColumns(c.study, '.', larger).memoR.size(), std::size_t(8));
        QCOMPARE(residualColumns(c.study, '.', Residuals{}).Memo3R.size(), std::size_t(2));
    }
};

QTEST_APPLESS_MAIN(TestResultTexts)
#include "tst_resulttexts.moc"
