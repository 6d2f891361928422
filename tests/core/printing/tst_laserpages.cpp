#include "core/printing/PageUnits.h"
#include "core/printing/PrintSheets.h"
#include "core/printing/PrintedPages.h"
#include "core/printing/Uprint1.h"
#include "core/text/Errors.h"
#include "support/ExpectedPages.h"
#include "support/TestStudies.h"

#include <QtTest>

#include <map>

using namespace linealidad;
using test::ExpectedTexts;
using test::lineRange;
using test::linesAt;
using test::placed;
using test::printedSheets;
using test::RecordingDocument;

namespace {

const std::string kRealizo = "Realizó _________________________";
const std::string kReviso = "Revisó _________________________";

RecordingDocument printed(PageChoice page, const Study& study) {
    return test::printedPage(page, study, {.layout = PrintLayout::Laser});
}

const test::ExpectedLayout kLaser{
    .unit = 12,
    .header = {{7, "Control de Calidad"}, {8, "Linealidad y Precisión del Sistema de Medición"}},
    .bodyPoints = 10,
    .signatures = {{45, kRealizo}, {250, kReviso}},
    .general = {.title = {12, "Información General"},
                .column = 45,
                .lines = {{14, "Nombre del Método: Valoración por UV"},
                          {15, "Nombre del Analista: Ana Pérez"},
                          {16, "Fecha: 08/12/2026"},
                          {17, "Unidades de la Cantidad Adicionada: mg"},
                          {18, "Nombre de la Propiedad Medida: Absorbancia"},
                          {20, "Número de niveles:"},
                          {21, "3"}},
                .levelsLine = 24,
                .levelsStep = 38,
                .dataLine = 29,
                .dataStep = 38,
                .signatureLine = 56,
                .productLine = 58},
    .inference = {.title = {12, "Inferencia de Pendiente y Ordenada al Origen"},
                  .column = 45,
                  .firstLine = 14,
                  .labels = {"Pendiente =  ", "Límite Superior del Intervalo de Confianza = ",
                             "Límite Inferior del Intervalo de Confianza = ", "t cal = ",
                             "Ordenada al Origen = ",
                             "Límite Superior del Intervalo de Confianza = ",
                             "Límite Inferior del Intervalo de Confianza = ", "t cal = ",
                             "Desviación Estándar de Regresión = ", "Coeficiente de Variación = ",
                             "Coeficiente de Determinación (r^2) = "},
                  .origin = {26, "La ordenada de la relación lineal mg - Absorbancia pasa por el "
                                 "origen."},
                  .studyLine = 54,
                  .signatureLine = 59,
                  .productLine = 61},
    .variance = {.title = {12, "Análisis de la Varianza"},
                 .headings = {{14, 45, "Fuente"},
                              {14, 110, "Grados"},
                              {14, 155, "Suma"},
                              {14, 215, "Media"},
                              {15, 45, "de"},
                              {15, 110, "de"},
                              {15, 155, "de"},
                              {15, 215, "de"},
                              {15, 270, "Fcal"},
                              {15, 310, "Pr"},
                              {16, 45, "Variación"},
                              {16, 110, "Libertad"},
                              {16, 155, "Cuadrados"},
                              {16, 215, "Cuadrados"}},
                 .firstRow = 18,
                 .columns = {45, 115, 155, 215, 270, 310},
                 .sources = {"Regresión", "Error de Regresión", "Falta de Ajuste", "Error Puro"},
                 .verdictLine = 23,
                 .verdicts = {"Existe relación altamente significativa entre mg y Absorbancia",
                              "el modelo lineal representa de manera correcta la relación mg",
                              " y Absorbancia"},
                 .residualTitleLine = 28,
                 .residualHeading = {30, 55,
                                     "Observación        Pronóstico para Y                   "
                                     "Residuales                   Residuos Estudentizados"},
                 .studentized = true,
                 .studyLine = 53,
                 .studyColumn = 45,
                 .signatureLine = 58,
                 .productLine = 60},
};

// The acceptance page of the worked example against the default criteria: r² and CV fail.
QStringList acceptancePage() {
    ExpectedTexts e = test::expectedHeader(kLaser);
    e.centred(12, "Dictamen de aceptación")
        .at(14, 45, "Criterio")
        .at(14, 185, "Valor")
        .at(14, 290, "Límite")
        .at(14, 342, "Resultado");
    const std::vector<std::vector<std::string>> rows{
        {"Coeficiente de determinación (r²)", "0.976252", "≥ 0.98", "NO CUMPLE"},
        {"Coeficiente de variación (%)", "7.418", "≤ 2", "NO CUMPLE"},
        {"Intervalo de confianza de la pendiente", "[0.763898; 1.1861]", "excluye 0", "CUMPLE"},
        {"Intervalo de confianza de la ordenada", "[-0.356033; 0.556033]", "contiene 0", "CUMPLE"},
        {"Falta de ajuste (p exacta)", "0.642409", "≥ 0.05", "CUMPLE"},
        {"Residuo estudentizado máximo (absoluto)", "1.50674", "≤ 3", "CUMPLE"},
        {"Límite de detección (LD)", "0.514695", ""},
        {"Límite de cuantificación (LC)", "1.55968", ""}};
    const int columns[] = {45, 185, 290, 342};
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            e.at(16 + static_cast<int>(r), columns[c], rows[r][c]);
    e.font(12).centred(26, "DICTAMEN: NO CUMPLE").font(10);
    e.at(28, 45, "Los renglones sin resultado solo informan o no se aplican a este estudio.")
        .at(44, 45, "Nombre del método: Valoración por UV")
        .at(45, 45, "Nombre del Analista: Ana Pérez")
        .at(46, 45, "Fecha: 08/12/2026");
    const std::string blank(20, '_');
    int column = 45;
    for (const char* role : {"Elaboró", "Revisó", "Aprobó"}) {
        e.at(49, column, role)
            .at(51, column, "Nombre: " + blank)
            .at(53, column, "Firma: " + blank)
            .at(55, column, "Fecha: " + blank);
        column += 115;
    }
    e.right(61, "TARVEL v. w 3.1").footer(1, 1);
    return e.lines;
}

ResultadosAnova anova(double p, double q, double pureErrorDF) {
    ResultadosAnova A;
    A.PRegresion = p;
    A.PFaltaAjuste = q;
    A.GLErrorPuro = pureErrorDF;
    return A;
}

} // namespace

Q_DECLARE_METATYPE(Study)

class LaserPagesTest : public QObject {
    Q_OBJECT
private slots:
    void workedExample_data() {
        QTest::addColumn<PageChoice>("page");
        QTest::addColumn<int>("closingRule");
        QTest::newRow("general") << PageChoice::General << 59;
        QTest::newRow("inference") << PageChoice::Inference << 62;
        QTest::newRow("variance") << PageChoice::Variance << 62;
    }
    void workedExample() {
        QFETCH(PageChoice, page);
        QFETCH(int, closingRule);
        const RecordingDocument document = printed(page, test::workedExample());
        QCOMPARE(document.pageCount(), 1);
        QCOMPARE(placed(document.texts(0)), test::expectedPage(kLaser, page));
        const int width = RecordingDocument::kWidth;
        const auto lines = document.lines(0);
        QCOMPARE(lines.size(), std::size_t(2));
        QCOMPARE(lines[0].from, (Point{0, 1020}));
        QCOMPARE(lines[0].to, (Point{width, 1020}));
        QCOMPARE(lines[1].from, (Point{0, closingRule * 100}));
        QCOMPARE(lines[1].to, (Point{width, closingRule * 100}));
    }

    void acceptance() {
        const RecordingDocument document = printed(PageChoice::Acceptance, test::workedExample());
        QCOMPARE(document.pageCount(), 1);
        QCOMPARE(placed(document.texts(0)), acceptancePage());
        const auto lines = document.lines(0);
        QCOMPARE(lines.size(), std::size_t(3));
        QCOMPARE(lines[1].from.y, 1500);
        QCOMPARE(lines[2].from.y, 6200);
    }

    // Every text of the acceptance page within the printable area, and the cells of a row
    // apart, with the widest values there are: intervals and numbers in exponent form with the
    // decimal comma, and the lack of fit that does not apply.
    void acceptanceFitsThePage_data() {
        QTest::addColumn<Study>("study");
        QTest::newRow("tiny figures, decimal comma") << test::study(
            {2, 2, 2}, {"0,000001", "0,000001", "0,000002", "0,000002", "0,000003", "0,000003"},
            {"-0,0000010", "-0,0000012", "-0,0000021", "-0,0000019", "-0,0000032", "-0,0000029"});
        QTest::newRow("no pure error")
            << test::study({1, 1, 1, 1}, {"1", "2", "3", "4"}, {"1,1", "1,9", "3,2", "3,9"});
    }
    void acceptanceFitsThePage() {
        QFETCH(Study, study);
        ResultSet results;
        std::vector<AcceptanceCriterion> criteria = defaultCriteria();
        criteria.back().limit = 0.000123457;
        const auto sheets = composePage(PrintLayout::Laser, PageChoice::Acceptance, study, ',', 0,
                                        results, criteria);
        QVERIFY(sheets);
        const RecordingDocument document = printedSheets(*sheets);
        QCOMPARE(document.pageCount(), 1);
        std::map<int, std::vector<std::pair<int, int>>> rows; // y: [x, right edge]
        for (const auto& t : document.texts(0)) {
            const int right =
                t.x + std::abs(t.font.height) / 2 * test::RecordingCanvas::codePoints(t.text);
            QVERIFY2(t.x >= 0 && right <= RecordingDocument::kWidth, t.text.c_str());
            QVERIFY(t.y >= 0 && t.y + std::abs(t.font.height) <= RecordingDocument::kHeight);
            rows[t.y].push_back({t.x, right});
        }
        for (auto& [y, cells] : rows) {
            std::sort(cells.begin(), cells.end());
            for (std::size_t i = 1; i < cells.size(); ++i)
                QVERIFY2(cells[i - 1].second < cells[i].first, QByteArray::number(y));
        }
    }

    // 5 levels of 5 replicates: the data grid's 26 lines from 29 L to 54 L, on one sheet.
    void fiveByFiveGeneralPage() {
        const RecordingDocument document = printed(PageChoice::General, test::noisyLine(5, 5));
        QCOMPARE(document.pageCount(), 1);
        QCOMPARE(linesAt(document.texts(0), 83 * 12).mid(3), lineRange(29, 54));
        // The levels grid: six columns, the last at 235 U.
        QCOMPARE(linesAt(document.texts(0), 235 * 12), (QList<int>{24, 25, 26}));
    }

    void verdictBands_data() {
        QTest::addColumn<double>("p");
        QTest::addColumn<double>("q");
        QTest::addColumn<double>("pureErrorDF");
        QTest::addColumn<QStringList>("sentences");
        const QString high = "Existe relación altamente significativa entre mg y Absorbancia";
        const QString significant = "Existe relación significativa entre mg y Absorbancia";
        const QString none = "No hay dependencia entre las variables";
        const QString represents = "el modelo lineal representa de manera correcta la relación mg";
        const QString Represents = "El modelo lineal representa de manera correcta la relación mg";
        const QString doesNot = "el modelo lineal no representa de manera correcta la relación mg";
        const QString andY = " y Absorbancia";
        QTest::newRow("p ≤ 0.01, q > 0.05")
            << 0.001 << 0.2 << 3.0 << QStringList{high, represents, andY};
        QTest::newRow("0.01 < p ≤ 0.05, q > 0.05")
            << 0.03 << 0.2 << 3.0 << QStringList{significant, Represents, andY};
        QTest::newRow("p ≤ 0.01, q ≤ 0.05")
            << 0.001 << 0.02 << 3.0 << QStringList{high, doesNot, andY};
        QTest::newRow("0.01 < p ≤ 0.05, q ≤ 0.05")
            << 0.03 << 0.02 << 3.0 << QStringList{significant, doesNot, andY};
        QTest::newRow("p > 0.05") << 0.2 << 0.02 << 3.0 << QStringList{none};
        // The thresholds are the extended-precision constants: the double nearest to 0.05 is
        // above 0.05, the one nearest to 0.01 above 0.01.
        QTest::newRow("p = double 0.05") << 0.05 << 0.2 << 3.0 << QStringList{none};
        QTest::newRow("p = double 0.01")
            << 0.01 << 0.2 << 3.0 << QStringList{significant, Represents, andY};
        QTest::newRow("q = double 0.05")
            << 0.001 << 0.05 << 3.0 << QStringList{high, represents, andY};
        QTest::newRow("no pure error, p ≤ 0.01") << 0.001 << 0.02 << 0.0 << QStringList{high};
        QTest::newRow("no pure error, 0.01 < p ≤ 0.05")
            << 0.03 << 0.02 << 0.0 << QStringList{significant};
        QTest::newRow("no pure error, p > 0.05") << 0.2 << 0.02 << 0.0 << QStringList{none};
    }
    void verdictBands() {
        QFETCH(double, p);
        QFETCH(double, q);
        QFETCH(double, pureErrorDF);
        const RecordingDocument document = printedSheets(
            Uprint1::ImprimeAnova(test::workedExample(), '.', anova(p, q, pureErrorDF), {}));
        QStringList sentences;
        for (const auto& t : document.texts(0))
            if (t.x == 45 * 12 && t.y >= 2300 && t.y <= 2500)
                sentences << QString::fromStdString(t.text);
        QTEST(sentences, "sentences");
        QCOMPARE(document.canvas.text(sentences.first().toStdString()).y, 2300);
    }

    // The origin sentence is decided on PRegresion first, then on |t| against the table's t.
    void originSentence_data() {
        QTest::addColumn<double>("p");
        QTest::addColumn<double>("t");
        QTest::addColumn<QStringList>("sentence");
        const QString start = "La ordenada de la relación lineal mg - Absorbancia ";
        QTest::newRow("|t| = t table")
            << 0.001 << -2.776 << QStringList{start + "no pasa por el origen."};
        QTest::newRow("|t| < t table")
            << 0.001 << 2.775 << QStringList{start + "pasa por el origen."};
        QTest::newRow("p > 0.05, |t| > t table") << 0.2 << 9.0 << QStringList{" - "};
        QTest::newRow("p > 0.05, |t| < t table") << 0.2 << 0.5 << QStringList{" - "};
    }
    void originSentence() {
        QFETCH(double, p);
        ResultadosRegresion R;
        QFETCH(double, t);
        R.TcalOrdenada = t;
        R.TTabla = 2.776;
        const RecordingDocument document = printedSheets(
            Uprint1::ImprimeInferencia(test::workedExample(), '.', R, anova(p, 0, 3)));
        QStringList sentence;
        for (const auto& t : document.texts(0))
            if (t.y == 2600 || t.y == 2700)
                sentence << QString::fromStdString(t.text);
        QTEST(sentence, "sentence");
    }

    // One replicate per level: no pure error, so two rows and a single verdict.
    void oneReplicatePerLevel() {
        const Study study =
            test::study({1, 1, 1, 1}, {"1", "2", "3", "4"}, {"1.1", "1.9", "3.2", "3.9"});
        const RecordingDocument document = printed(PageChoice::Variance, study);
        QCOMPARE(linesAt(document.texts(0), 45 * 12).mid(3, 4), (QList<int>{18, 19, 23, 53}));
        QVERIFY(document.canvas.textsEqual("Falta de Ajuste").empty());
        QVERIFY(document.canvas.textsEqual("Error Puro").empty());
        QCOMPARE(document.canvas.text("Existe relación altamente significativa entre  y ").y, 2300);
    }

    // Decided here: the residual rows past 52 L continue on further sheets, each with the
    // header, the study's method at 12 L and the table's heading at 13 L; the footer block goes
    // on the last sheet.
    void residualTableContinues_data() {
        QTest::addColumn<int>("levels");
        QTest::addColumn<int>("replicates");
        QTest::addColumn<QList<int>>("rowsPerSheet");
        QTest::newRow("22 observations fit") << 11 << 2 << QList<int>{22};
        QTest::newRow("24 observations") << 8 << 3 << QList<int>{22, 2};
        QTest::newRow("150 observations") << 10 << 15 << QList<int>{22, 39, 39, 39, 11};
    }
    void residualTableContinues() {
        QFETCH(int, levels);
        QFETCH(int, replicates);
        QFETCH(QList<int>, rowsPerSheet);
        const RecordingDocument document =
            printed(PageChoice::Variance, test::noisyLine(levels, replicates));
        QCOMPARE(document.pageCount(), rowsPerSheet.size());
        const std::string heading = "Observación        Pronóstico para Y                   "
                                    "Residuales                   Residuos Estudentizados";
        for (int page = 0; page < document.pageCount(); ++page) {
            const auto texts = document.texts(page);
            QCOMPARE(texts[0].text, std::string("Control de Calidad"));
            QList<int> rows = linesAt(texts, 55 * 12);
            const int headingLine = page == 0 ? 30 : 13;
            QCOMPARE(rows.takeFirst(), headingLine);
            QCOMPARE(rows, lineRange(headingLine + 1, headingLine + rowsPerSheet[page]));
            const bool last = page == document.pageCount() - 1;
            QCOMPARE(document.canvas.textsEqual("TARVEL v. w 3.1").size(), std::size_t(1));
            QCOMPARE(texts[texts.size() - 2].text == "TARVEL v. w 3.1", last);
            QCOMPARE(document.lines(page).size(), std::size_t(last ? 2 : 1));
            if (page > 0)
                QCOMPARE(placed({texts[2]}), QStringList{"1200 540 Nombre del método: "});
        }
        QCOMPARE(document.canvas.textsEqual(heading).size(), rowsPerSheet.size());
        QCOMPARE(document.canvas.textsEqual("Nombre del método: ").size(), rowsPerSheet.size());
        // The last observation's row ends the table.
        const auto last = document.texts(document.pageCount() - 1);
        QVERIFY(std::any_of(last.begin(), last.end(), [&](const auto& t) {
            return t.text.starts_with(std::string(8, ' ') + std::to_string(levels * replicates) +
                                      std::string(28, ' '));
        }));
    }

    // The data grid of 150 observations in 10 levels: the levels grid takes two bands, so the
    // data grid's heading stands at 32 L and 23 rows follow it on the first sheet; 42 on each
    // further one from 14 L, the signatures on the last.
    void dataGridContinues() {
        const RecordingDocument document = printed(PageChoice::General, test::noisyLine(10, 15));
        const QList<int> rowsPerSheet{23, 42, 42, 42, 1};
        QCOMPARE(document.pageCount(), rowsPerSheet.size());
        for (int page = 0; page < document.pageCount(); ++page) {
            QList<int> x = linesAt(document.texts(page), 83 * 12);
            if (page == 0)
                x = x.mid(6); // the levels grid's second column, in each band, first
            const int headingLine = page == 0 ? 32 : 13;
            QCOMPARE(x.first(), headingLine);
            QCOMPARE(x.mid(1), lineRange(headingLine + 1, headingLine + rowsPerSheet[page]));
        }
        QCOMPARE(document.canvas.textsEqual("Realizó _________________________").size(),
                 std::size_t(1));
        QCOMPARE(document.canvas.textsEqual("Y").size(), std::size_t(5));
    }

    // Decided here: the levels that do not fit the printable width of A4 (eight beside the
    // heading column at 38 U a column) go on to a band three lines below, with the heading
    // column again, and the data grid moves down by the band.
    void levelsGridBands_data() {
        QTest::addColumn<int>("levels");
        QTest::addColumn<QStringList>("bands"); // the heading row of each band
        QTest::addColumn<int>("dataHeading");
        QTest::newRow("8 levels: one band") << 8 << QStringList{"24: Nivel 1 2 3 4 5 6 7 8"} << 29;
        QTest::newRow("9 levels: two bands")
            << 9 << QStringList{"24: Nivel 1 2 3 4 5 6 7 8", "27: Nivel 9"} << 32;
        QTest::newRow("10 levels: two bands")
            << 10 << QStringList{"24: Nivel 1 2 3 4 5 6 7 8", "27: Nivel 9 10"} << 32;
    }
    void levelsGridBands() {
        QFETCH(int, levels);
        const RecordingDocument document = printed(PageChoice::General, test::noisyLine(levels, 2));
        std::map<int, QStringList> rows; // the first row of each band, by line
        int rightmost = 0;
        for (const auto& t : document.texts(0)) {
            if (t.y == 2400 || t.y == 2700) {
                rows[t.y / 100] << QString::fromStdString(t.text).trimmed();
                rightmost = std::max(rightmost, t.x);
            }
        }
        QStringList bands;
        for (const auto& [line, cells] : rows)
            bands << QStringLiteral("%1: %2").arg(line).arg(cells.join(' '));
        QTEST(bands, "bands");
        QVERIFY(rightmost + 38 * 12 <= printableColumns(kLaserUnitDpi) * 12);
        QTEST(document.canvas.text("Nivel").y / 100, "dataHeading");
    }

    // Decided here: a level count that is not an integer aborts the document before it begins.
    void levelCountThatIsNotAnInteger() {
        Study study = test::workedExample();
        study.eniveles = "tres";
        RecordingDocument document;
        ResultSet results;
        QString fault;
        try {
            printSheets(
                document,
                *composePage(PrintLayout::Laser, PageChoice::General, study, '.', 0, results),
                test::testStamp());
        } catch (const ConversionError& e) {
            fault = QString::fromUtf8(e.what());
        }
        QCOMPARE(fault, QStringLiteral("'tres' is not a valid integer value"));
        QVERIFY(document.calls.empty());
    }

    // A zero slope lays out no inference or variance page; the general page computes nothing.
    void zeroSlope_data() {
        QTest::addColumn<PageChoice>("page");
        QTest::addColumn<bool>("laidOut");
        QTest::newRow("general") << PageChoice::General << true;
        QTest::newRow("inference") << PageChoice::Inference << false;
        QTest::newRow("variance") << PageChoice::Variance << false;
        QTest::newRow("acceptance") << PageChoice::Acceptance << false;
    }
    void zeroSlope() {
        QFETCH(PageChoice, page);
        const Study study =
            test::study({2, 2, 2}, {"1", "1", "2", "2", "3", "3"}, {"1", "1", "1", "1", "1", "1"});
        ResultSet results;
        const auto sheets = composePage(PrintLayout::Laser, page, study, '.', 0, results);
        QTEST(sheets.has_value(), "laidOut");
        QCOMPARE(results.PendienteCero, page != PageChoice::General);
    }

    // The inference page's origin sentence comes from the analysis of variance computed with
    // it, not from a set that never held one.
    void inferenceComputesItsOwnVariance() {
        const Study study = test::study({2, 2, 2}, {"1", "1", "2", "2", "3", "3"},
                                        {"1.0", "5.2", "2.1", "0.9", "3.2", "1.9"});
        ResultSet results; // PRegresion 0 would say "pasa" or "no pasa"
        const auto sheets =
            composePage(PrintLayout::Laser, PageChoice::Inference, study, '.', 0, results);
        QVERIFY(results.anova.PRegresion > 0.05);
        const RecordingDocument document = printedSheets(*sheets);
        QCOMPARE(document.canvas.text(" - ").y, 2600);
    }
};

QTEST_GUILESS_MAIN(LaserPagesTest)
#include "tst_laserpages.moc"
