#include "core/printing/Uprint.h"
#include "support/ExpectedPages.h"
#include "support/TestStudies.h"

#include <QtTest>

using namespace linealidad;
using test::lineRange;
using test::linesAt;
using test::RecordingDocument;

namespace {

// The page printed for `page` of `study` in the deskjet layout with the margin factor `m`.
RecordingDocument printed(PageChoice page, const Study& study, int m = 3) {
    return test::printedPage(page, study, {.layout = PrintLayout::Deskjet, .margin = m});
}

// The deskjet layout's U: 12 pixels of a 300-dpi printer, 24 at 600 dpi.
constexpr int kU = 24;

// With the margin factor 3. Three levels of two replicates: the data grid's rows at 26 L to
// 32 L, the product line at 35 L.
const test::ExpectedLayout kDeskjet{
    .unit = kU,
    .header = {{5, "Quendal"},
               {6, "Control de Calidad"},
               {7, "LINEALIDAD Y PRECISIÓN DEL SISTEMA DE MEDICIÓN"}},
    .bodyPoints = 11,
    .signatures = {},
    .general = {.title = {9, "INFORMACIÓN GENERAL"},
                .column = 3,
                .lines = {{11, "Nombre del método: Valoración por UV"},
                          {12, "Nombre del Analista: Ana Pérez"},
                          {13, "Fecha: 08/12/2026"},
                          {15, "Unidades de la cantidad adicionada: mg"},
                          {16, "Nombre de la propiedad medida: Absorbancia"},
                          {18, "Número de niveles:"},
                          {19, "3"}},
                .levelsLine = 21,
                .levelsStep = 20,
                .dataLine = 26,
                .dataStep = 28,
                .signatureLine = std::nullopt,
                .productLine = 35},
    .inference = {.title = {10, "INFERENCIA DE PENDIENTE Y ORDENADA AL ORIGEN"},
                  .column = 3,
                  .firstLine = 12,
                  .labels = {"PENDIENTE =  ", "LÍMITE SUPERIOR DEL INTERVALO DE CONFIANZA = ",
                             "LÍMITE INFERIOR DEL INTERVALO DE CONFIANZA = ", "t cal = ",
                             "ORDENADA AL ORIGEN = ",
                             "LÍMITE SUPERIOR DEL INTERVALO DE CONFIANZA = ",
                             "LÍMITE INFERIOR DEL INTERVALO DE CONFIANZA = ", "t cal = ",
                             "DESVIACIÓN ESTÁNDAR DE REGRESIÓN = ", "COEFICIENTE DE VARIACIÓN = ",
                             "COEFICIENTE DE DETERMINACIÓN (r^2) = "},
                  .origin = {24, "LA ORDENADA DE LA RELACIÓN LINEAL mg - Absorbancia PASA POR EL "
                                 "ORIGEN."},
                  .studyLine = 57,
                  .signatureLine = std::nullopt,
                  .productLine = 61},
    .variance = {.title = {10, "ANÁLISIS DE LA VARIANZA"},
                 .headings = {{12, 4, "FUENTE"},
                              {12, 53, "GRADOS"},
                              {12, 78, "SUMA"},
                              {12, 108, "MEDIA"},
                              {13, 4, "DE"},
                              {13, 53, "DE"},
                              {13, 78, "DE"},
                              {13, 108, "DE"},
                              {13, 138, "Fcal"},
                              {13, 163, "Pr"},
                              {14, 3, "VARIACIÓN"},
                              {14, 53, "LIBERTAD"},
                              {14, 78, "CUADRADOS"},
                              {14, 108, "CUADRADOS"}},
                 .firstRow = 16,
                 .columns = {3, 53, 78, 108, 138, 163},
                 .sources = {"REGRESIÓN", "ERROR DE REGRESIÓN", "FALTA DE AJUSTE", "ERROR PURO"},
                 .verdictLine = 21,
                 .verdicts = {"EXISTE RELACIÓN ALTAMENTE SIGNIFICATIVA ENTRE mg Y Absorbancia",
                              "EL MODELO LINEAL REPRESENTA DE MANERA CORRECTA LA RELACIÓN mg",
                              " Y Absorbancia"},
                 .residualTitleLine = 26,
                 .residualHeading = {28, 45,
                                     "Observación        Pronóstico para Y                   "
                                     "Residuales"},
                 .studentized = false,
                 .studyLine = 55,
                 .studyColumn = 45,
                 .signatureLine = std::nullopt,
                 .productLine = 60},
};

} // namespace

class DeskjetPagesTest : public QObject {
    Q_OBJECT
private slots:
    void workedExample_data() {
        QTest::addColumn<PageChoice>("page");
        QTest::addColumn<int>("closingRule");
        QTest::newRow("general") << PageChoice::General << 36;
        QTest::newRow("inference") << PageChoice::Inference << 62;
        QTest::newRow("variance") << PageChoice::Variance << 62;
    }
    void workedExample() {
        QFETCH(PageChoice, page);
        QFETCH(int, closingRule);
        const RecordingDocument document = printed(page, test::workedExample());
        QCOMPARE(document.pageCount(), 1);
        QCOMPARE(test::placed(document.texts(0)), test::expectedPage(kDeskjet, page));
        const auto lines = document.lines(0);
        QCOMPARE(lines.size(), std::size_t(2));
        QCOMPARE(lines[0].from, (Point{0, 820}));
        QCOMPARE(lines[1].from, (Point{0, closingRule * 100}));
        QCOMPARE(lines[1].to, (Point{RecordingDocument::kWidth, closingRule * 100}));
    }

    // "1 cm", "1.5 cm" and "2.0 cm" put the label column 1, 3 or 5 U from the edge: 12, 36 or
    // 60 dots of the 300-dpi printer the layout was drawn for, 24, 72 or 120 at 600 dpi; with
    // nothing selected the factor stays as it was.
    void margins_data() {
        QTest::addColumn<int>("SELECMAR");
        QTest::addColumn<int>("previous");
        QTest::addColumn<int>("factor");
        QTest::addColumn<int>("x");
        QTest::newRow("1 cm") << 0 << 3 << 1 << 24;
        QTest::newRow("1.5 cm") << 1 << 0 << 3 << 72;
        QTest::newRow("2.0 cm") << 2 << 0 << 5 << 120;
        QTest::newRow("none selected") << -1 << 5 << 5 << 120;
        QTest::newRow("none selected, never set") << -1 << 0 << 0 << 0;
    }
    void margins() {
        QFETCH(int, SELECMAR);
        QFETCH(int, previous);
        const int factor = Uprint::FactorMargen(SELECMAR, previous);
        QTEST(factor, "factor");
        const RecordingDocument document =
            printed(PageChoice::General, test::workedExample(), factor);
        QTEST(document.canvas.text("Número de niveles:").x, "x");
    }

    // 25 observations: the residual rows at 29 L to 53 L, above the footer at 55 L, in the
    // footer's column.
    void twentyFiveObservations() {
        const RecordingDocument document = printed(PageChoice::Variance, test::noisyLine(5, 5));
        QCOMPARE(document.pageCount(), 1);
        QCOMPARE(linesAt(document.texts(0), 45 * kU), lineRange(28, 53) + (QList<int>{55, 56, 57}));
        QCOMPARE(document.canvas.text("Nombre del método: ").y, 5500);
        // No studentized residuals: a row holds three numbers.
        for (const auto& t : document.canvas.texts)
            if (t.x == 45 * kU && t.y > 2800 && t.y < 5500)
                QCOMPARE(QString::fromStdString(t.text).split(' ', Qt::SkipEmptyParts).size(), 3);
    }

    // One replicate per level: two rows in the variance table and one verdict line, at 21 L.
    void oneReplicatePerLevel() {
        const Study study =
            test::study({1, 1, 1, 1}, {"1", "2", "3", "4"}, {"1.1", "1.9", "3.2", "3.9"});
        const RecordingDocument document = printed(PageChoice::Variance, study);
        QCOMPARE(linesAt(document.texts(0), 3 * kU), (QList<int>{14, 16, 17, 21}));
        QCOMPARE(document.canvas.text("EXISTE RELACIÓN ALTAMENTE SIGNIFICATIVA ENTRE  Y ").y, 2100);
    }

    // Decided here: the data grid continues on further sheets with the study's method at 9 L,
    // its heading at 10 L and its rows from 11 L; the product line and the rule follow its last
    // row on the last sheet. Ten levels take two bands of the levels grid, so on the first
    // sheet the heading stands three lines lower, at 29 L.
    void dataGridContinues() {
        const RecordingDocument document = printed(PageChoice::General, test::noisyLine(10, 15));
        const QList<int> rowsPerSheet{29, 48, 48, 25};
        QCOMPARE(document.pageCount(), rowsPerSheet.size());
        for (int page = 0; page < document.pageCount(); ++page) {
            const QList<int> x = linesAt(document.texts(page), 31 * kU);
            const int headingLine = page == 0 ? 29 : 10;
            QCOMPARE(x.first(), headingLine);
            QCOMPARE(x.mid(1), lineRange(headingLine + 1, headingLine + rowsPerSheet[page]));
            if (page > 0)
                QCOMPARE(document.texts(page)[3].text, std::string("Nombre del método: "));
        }
        const auto last = document.texts(document.pageCount() - 1);
        QCOMPARE(last[last.size() - 2].text, std::string("TARVEL v. w 3.1"));
        QCOMPARE(last[last.size() - 2].y, (10 + 25 + 3) * 100);
        QCOMPARE(document.lines(document.pageCount() - 1).back().from.y, (10 + 25 + 4) * 100);
    }

    // The residual table continues from 11 L, its heading at 10 L, above the footer at 55 L.
    void residualTableContinues() {
        const RecordingDocument document = printed(PageChoice::Variance, test::noisyLine(10, 15));
        const QList<int> rowsPerSheet{26, 44, 44, 36};
        QCOMPARE(document.pageCount(), rowsPerSheet.size());
        for (int page = 0; page < document.pageCount(); ++page) {
            const int headingLine = page == 0 ? 28 : 10;
            QCOMPARE(linesAt(document.texts(page), 45 * kU).mid(0, rowsPerSheet[page] + 1),
                     lineRange(headingLine, headingLine + rowsPerSheet[page]));
        }
        // The method on every sheet after the first, and in the footer block of the last.
        QCOMPARE(document.canvas.textsEqual("Nombre del método: ").size(), std::size_t(4));
    }
};

QTEST_GUILESS_MAIN(DeskjetPagesTest)
#include "tst_deskjetpages.moc"
