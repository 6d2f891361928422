#include "core/printing/PrintSheets.h"
#include "core/printing/PrintedPages.h"
#include "core/printing/Uprint.h"
#include "support/PlacedTexts.h"
#include "support/RecordingDocument.h"
#include "support/TestStudies.h"

#include <QtTest>

using namespace linealidad;
using test::ExpectedTexts;
using test::placed;
using test::RecordingDocument;

namespace {

// The page printed for `page` of `study` in the deskjet layout with the margin factor `m`.
RecordingDocument printed(PageChoice page, const Study& study, int m = 3) {
    RecordingDocument document;
    ResultSet results;
    const auto sheets = composePage(PrintLayout::Deskjet, page, study, '.', m, results);
    if (!sheets)
        throw std::runtime_error("zero slope");
    printSheets(document, *sheets, test::testStamp());
    return document;
}

// The deskjet layout's U: 12 pixels of a 300-dpi printer, 24 at 600 dpi.
constexpr int kU = 24;

ExpectedTexts header() {
    ExpectedTexts e(RecordingDocument::kWidth, RecordingDocument::kHeight, kU);
    e.font(12)
        .centred(5, "Quendal")
        .centred(6, "Control de Calidad")
        .centred(7, "LINEALIDAD Y PRECISIÓN DEL SISTEMA DE MEDICIÓN")
        .font(11);
    return e;
}

QStringList generalPage() {
    ExpectedTexts e = header();
    e.centred(9, "INFORMACIÓN GENERAL")
        .at(11, 3, "Nombre del método: Valoración por UV")
        .at(12, 3, "Nombre del Analista: Ana Pérez")
        .at(13, 3, "Fecha: 08/12/2026")
        .at(15, 3, "Unidades de la cantidad adicionada: mg")
        .at(16, 3, "Nombre de la propiedad medida: Absorbancia")
        .at(18, 3, "Número de niveles:")
        .at(19, 3, "3");
    const std::vector<std::vector<std::string>> levels{
        {"     Nivel  ", " # Replicas ", ""}, {"1", "2", ""}, {"2", "2", ""}, {"3", "2", ""}};
    for (int c = 0; c < 4; ++c)
        for (int row = 0; row < 3; ++row)
            e.at(21 + row, 3 + 20 * c, levels[c][row]);
    const std::vector<std::vector<std::string>> data{
        {"Nivel", "", "", "", "", "", ""},
        {"X", "1", "1", "2", "2", "3", "3"},
        {"Y", "1.0", "1.2", "2.1", "1.9", "3.2", "2.9"}};
    for (int c = 0; c < 3; ++c)
        for (int row = 0; row < 7; ++row)
            e.at(26 + row, 3 + 28 * c, data[c][row]);
    // Three levels of two replicates: rows at 26 L to 32 L, the product line at 35 L.
    e.right(35, "TARVEL v. w 3.1").footer(1, 1);
    return e.lines;
}

QStringList inferencePage() {
    ExpectedTexts e = header();
    e.centred(10, "INFERENCIA DE PENDIENTE Y ORDENADA AL ORIGEN")
        .at(12, 3, "PENDIENTE =  0.975")
        .at(13, 3, "LÍMITE SUPERIOR DEL INTERVALO DE CONFIANZA = 1.1861")
        .at(14, 3, "LÍMITE INFERIOR DEL INTERVALO DE CONFIANZA = 0.763898")
        .at(15, 3, "t cal = 12.8231")
        .at(16, 3, "ORDENADA AL ORIGEN = 0.1")
        .at(17, 3, "LÍMITE SUPERIOR DEL INTERVALO DE CONFIANZA = 0.556033")
        .at(18, 3, "LÍMITE INFERIOR DEL INTERVALO DE CONFIANZA = -0.356033")
        .at(19, 3, "t cal = 0.608816")
        .at(20, 3, "DESVIACIÓN ESTÁNDAR DE REGRESIÓN = 0.152069")
        .at(21, 3, "COEFICIENTE DE VARIACIÓN = 7.418")
        .at(22, 3, "COEFICIENTE DE DETERMINACIÓN (r^2) = 0.9762516046")
        .at(24, 3, "LA ORDENADA DE LA RELACIÓN LINEAL mg - Absorbancia PASA POR EL ORIGEN.")
        .at(57, 3, "Nombre del método: Valoración por UV")
        .at(58, 3, "Nombre del Analista: Ana Pérez")
        .at(59, 3, "Fecha: 08/12/2026")
        .right(61, "TARVEL v. w 3.1")
        .footer(1, 1);
    return e.lines;
}

std::string residualRow(const std::string& i, const std::string& predicted,
                        const std::string& residual) {
    return std::string(8, ' ') + i + std::string(28, ' ') + predicted + std::string(30, ' ') +
           residual;
}

QStringList variancePage() {
    ExpectedTexts e = header();
    e.centred(10, "ANÁLISIS DE LA VARIANZA")
        .at(12, 4, "FUENTE")
        .at(12, 53, "GRADOS")
        .at(12, 78, "SUMA")
        .at(12, 108, "MEDIA")
        .at(13, 4, "DE")
        .at(13, 53, "DE")
        .at(13, 78, "DE")
        .at(13, 108, "DE")
        .at(13, 138, "Fcal")
        .at(13, 163, "Pr")
        .at(14, 3, "VARIACIÓN")
        .at(14, 53, "LIBERTAD")
        .at(14, 78, "CUADRADOS")
        .at(14, 108, "CUADRADOS")
        .at(16, 3, "REGRESIÓN")
        .at(17, 3, "ERROR DE REGRESIÓN")
        .at(18, 3, "FALTA DE AJUSTE")
        .at(19, 3, "ERROR PURO")
        .at(16, 53, "1")
        .at(16, 78, "3.8025")
        .at(16, 108, "3.8025")
        .at(16, 138, "164.432")
        .at(16, 163, "0.000898959")
        .at(17, 53, "4")
        .at(17, 78, "0.0925")
        .at(17, 108, "0.023125")
        .at(18, 53, "1")
        .at(18, 78, "0.0075")
        .at(18, 108, "0.0075")
        .at(18, 138, "0.264706")
        .at(18, 163, "0.642406")
        .at(19, 53, "3")
        .at(19, 78, "0.085")
        .at(19, 108, "0.0283333")
        .at(21, 3, "EXISTE RELACIÓN ALTAMENTE SIGNIFICATIVA ENTRE mg Y Absorbancia")
        .at(22, 3, "EL MODELO LINEAL REPRESENTA DE MANERA CORRECTA LA RELACIÓN mg")
        .at(23, 3, " Y Absorbancia")
        .centred(26, "Análisis de Residuales")
        .at(28, 45, "Observación        Pronóstico para Y                   Residuales")
        .at(29, 45, residualRow("1", "1.075", "-0.075"))
        .at(30, 45, residualRow("2", "1.075", "0.125"))
        .at(31, 45, residualRow("3", "2.05", "0.05"))
        .at(32, 45, residualRow("4", "2.05", "-0.15"))
        .at(33, 45, residualRow("5", "3.025", "0.175"))
        .at(34, 45, residualRow("6", "3.025", "-0.125"))
        .at(55, 45, "Nombre del método: Valoración por UV")
        .at(56, 45, "Nombre del Analista: Ana Pérez")
        .at(57, 45, "Fecha: 08/12/2026")
        .right(60, "TARVEL v. w 3.1")
        .footer(1, 1);
    return e.lines;
}

Study observations(int levels, int replicates) {
    std::vector<int> counts(static_cast<std::size_t>(levels), replicates);
    std::vector<std::string> x, y;
    for (int i = 1; i <= levels; ++i)
        for (int k = 0; k < replicates; ++k) {
            x.push_back(std::to_string(i));
            y.push_back(std::to_string(2 * i) + "." + std::to_string((k * 7 + i * 3) % 10));
        }
    return test::study(counts, x, y);
}

QList<int> linesAt(const std::vector<test::RecordingCanvas::Text>& texts, int x) {
    QList<int> lines;
    for (const auto& t : texts)
        if (t.x == x)
            lines << t.y / 100;
    return lines;
}

QList<int> range(int first, int last) {
    QList<int> r;
    for (int i = first; i <= last; ++i)
        r << i;
    return r;
}

} // namespace

class DeskjetPagesTest : public QObject {
    Q_OBJECT
private slots:
    void workedExample_data() {
        QTest::addColumn<PageChoice>("page");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("closingRule");
        QTest::newRow("general") << PageChoice::General << generalPage() << 36;
        QTest::newRow("inference") << PageChoice::Inference << inferencePage() << 62;
        QTest::newRow("variance") << PageChoice::Variance << variancePage() << 62;
    }
    void workedExample() {
        QFETCH(PageChoice, page);
        QFETCH(int, closingRule);
        const RecordingDocument document = printed(page, test::workedExample());
        QCOMPARE(document.pageCount(), 1);
        QTEST(placed(document.texts(0)), "texts");
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
        const RecordingDocument document = printed(PageChoice::Variance, observations(5, 5));
        QCOMPARE(document.pageCount(), 1);
        QCOMPARE(linesAt(document.texts(0), 45 * kU), range(28, 53) + (QList<int>{55, 56, 57}));
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
        const RecordingDocument document = printed(PageChoice::General, observations(10, 15));
        const QList<int> rowsPerSheet{29, 48, 48, 25};
        QCOMPARE(document.pageCount(), rowsPerSheet.size());
        for (int page = 0; page < document.pageCount(); ++page) {
            const QList<int> x = linesAt(document.texts(page), 31 * kU);
            const int headingLine = page == 0 ? 29 : 10;
            QCOMPARE(x.first(), headingLine);
            QCOMPARE(x.mid(1), range(headingLine + 1, headingLine + rowsPerSheet[page]));
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
        const RecordingDocument document = printed(PageChoice::Variance, observations(10, 15));
        const QList<int> rowsPerSheet{26, 44, 44, 36};
        QCOMPARE(document.pageCount(), rowsPerSheet.size());
        for (int page = 0; page < document.pageCount(); ++page) {
            const int headingLine = page == 0 ? 28 : 10;
            QCOMPARE(linesAt(document.texts(page), 45 * kU).mid(0, rowsPerSheet[page] + 1),
                     range(headingLine, headingLine + rowsPerSheet[page]));
        }
        // The method on every sheet after the first, and in the footer block of the last.
        QCOMPARE(document.canvas.textsEqual("Nombre del método: ").size(), std::size_t(4));
    }
};

QTEST_GUILESS_MAIN(DeskjetPagesTest)
#include "tst_deskjetpages.moc"
