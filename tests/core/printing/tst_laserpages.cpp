#include "core/printing/PageUnits.h"
#include "core/printing/PrintSheets.h"
#include "core/printing/PrintedPages.h"
#include "core/printing/Uprint1.h"
#include "core/text/Errors.h"
#include "support/PlacedTexts.h"
#include "support/RecordingDocument.h"
#include "support/TestStudies.h"

#include <QtTest>

#include <map>

using namespace linealidad;
using test::ExpectedTexts;
using test::placed;
using test::RecordingDocument;

namespace {

const std::string kRealizo = "Realizó _________________________";
const std::string kReviso = "Revisó _________________________";

// The page printed for `page` of `study` in the laser layout, on a fresh result set.
RecordingDocument printed(PageChoice page, const Study& study) {
    RecordingDocument document;
    ResultSet results;
    const auto sheets = composePage(PrintLayout::Laser, page, study, '.', 0, results);
    if (!sheets)
        throw std::runtime_error("zero slope");
    printSheets(document, *sheets, test::testStamp());
    return document;
}

RecordingDocument printed(std::vector<Sheet> sheets) {
    RecordingDocument document;
    printSheets(document, sheets, test::testStamp());
    return document;
}

ExpectedTexts header() {
    ExpectedTexts e(RecordingDocument::kWidth);
    e.font(12)
        .centred(7, "Control de Calidad")
        .centred(8, "Linealidad y Precisión del Sistema de Medición")
        .font(10);
    return e;
}

QStringList generalPage() {
    ExpectedTexts e = header();
    e.centred(12, "Información General")
        .at(14, 45, "Nombre del Método: Valoración por UV")
        .at(15, 45, "Nombre del Analista: Ana Pérez")
        .at(16, 45, "Fecha: 08/12/2026")
        .at(17, 45, "Unidades de la Cantidad Adicionada: mg")
        .at(18, 45, "Nombre de la Propiedad Medida: Absorbancia")
        .at(20, 45, "Número de niveles:")
        .at(21, 45, "3");
    // Three levels: four columns, each top to bottom, the empty third row included.
    const std::vector<std::vector<std::string>> levels{
        {"     Nivel  ", " # Replicas ", ""}, {"1", "2", ""}, {"2", "2", ""}, {"3", "2", ""}};
    for (int c = 0; c < 4; ++c)
        for (int row = 0; row < 3; ++row)
            e.at(24 + row, 45 + 38 * c, levels[c][row]);
    const std::vector<std::vector<std::string>> data{
        {"Nivel", "", "", "", "", "", ""},
        {"X", "1", "1", "2", "2", "3", "3"},
        {"Y", "1.0", "1.2", "2.1", "1.9", "3.2", "2.9"}};
    for (int c = 0; c < 3; ++c)
        for (int row = 0; row < 7; ++row)
            e.at(29 + row, 45 + 38 * c, data[c][row]);
    e.at(56, 45, kRealizo).at(56, 250, kReviso).right(58, "TARVEL v. w 3.1").footer(1, 1);
    return e.lines;
}

QStringList inferencePage() {
    ExpectedTexts e = header();
    e.centred(12, "Inferencia de Pendiente y Ordenada al Origen")
        .at(14, 45, "Pendiente =  0.975")
        .at(15, 45, "Límite Superior del Intervalo de Confianza = 1.1861")
        .at(16, 45, "Límite Inferior del Intervalo de Confianza = 0.763898")
        .at(17, 45, "t cal = 12.8231")
        .at(18, 45, "Ordenada al Origen = 0.1")
        .at(19, 45, "Límite Superior del Intervalo de Confianza = 0.556033")
        .at(20, 45, "Límite Inferior del Intervalo de Confianza = -0.356033")
        .at(21, 45, "t cal = 0.608816")
        .at(22, 45, "Desviación Estándar de Regresión = 0.152069")
        .at(23, 45, "Coeficiente de Variación = 7.418")
        .at(24, 45, "Coeficiente de Determinación (r^2) = 0.9762516046")
        .at(26, 45, "La ordenada de la relación lineal mg - Absorbancia pasa por el origen.")
        .at(54, 45, "Nombre del método: Valoración por UV")
        .at(55, 45, "Nombre del Analista: Ana Pérez")
        .at(56, 45, "Fecha: 08/12/2026")
        .at(59, 45, kRealizo)
        .at(59, 250, kReviso)
        .right(61, "TARVEL v. w 3.1")
        .footer(1, 1);
    return e.lines;
}

std::string residualRow(const std::string& i, const std::string& predicted,
                        const std::string& residual, const std::string& studentized) {
    return std::string(8, ' ') + i + std::string(28, ' ') + predicted + std::string(30, ' ') +
           residual + std::string(30, ' ') + studentized;
}

QStringList variancePage() {
    ExpectedTexts e = header();
    e.centred(12, "Análisis de la Varianza")
        .at(14, 45, "Fuente")
        .at(14, 110, "Grados")
        .at(14, 155, "Suma")
        .at(14, 215, "Media")
        .at(15, 45, "de")
        .at(15, 110, "de")
        .at(15, 155, "de")
        .at(15, 215, "de")
        .at(15, 270, "Fcal")
        .at(15, 310, "Pr")
        .at(16, 45, "Variación")
        .at(16, 110, "Libertad")
        .at(16, 155, "Cuadrados")
        .at(16, 215, "Cuadrados")
        .at(18, 45, "Regresión")
        .at(19, 45, "Error de Regresión")
        .at(20, 45, "Falta de Ajuste")
        .at(21, 45, "Error Puro")
        .at(18, 115, "1")
        .at(18, 155, "3.8025")
        .at(18, 215, "3.8025")
        .at(18, 270, "164.432")
        .at(18, 310, "0.000898959")
        .at(19, 115, "4")
        .at(19, 155, "0.0925")
        .at(19, 215, "0.023125")
        .at(20, 115, "1")
        .at(20, 155, "0.0075")
        .at(20, 215, "0.0075")
        .at(20, 270, "0.264706")
        .at(20, 310, "0.642406")
        .at(21, 115, "3")
        .at(21, 155, "0.085")
        .at(21, 215, "0.0283333")
        .at(23, 45, "Existe relación altamente significativa entre mg y Absorbancia")
        .at(24, 45, "el modelo lineal representa de manera correcta la relación mg")
        .at(25, 45, " y Absorbancia")
        .centred(28, "Análisis de Residuales")
        .at(30, 55,
            "Observación        Pronóstico para Y                   Residuales"
            "                   Residuos Estudentizados")
        .at(31, 55, residualRow("1", "1.075", "-0.075", "-0.64575"))
        .at(32, 55, residualRow("2", "1.075", "0.125", "1.0762"))
        .at(33, 55, residualRow("3", "2.05", "0.05", "0.36018"))
        .at(34, 55, residualRow("4", "2.05", "-0.15", "-1.0805"))
        .at(35, 55, residualRow("5", "3.025", "0.175", "1.5067"))
        .at(36, 55, residualRow("6", "3.025", "-0.125", "-1.0762"))
        .at(53, 45, "Nombre del método: Valoración por UV")
        .at(54, 45, "Nombre del Analista: Ana Pérez")
        .at(55, 45, "Fecha: 08/12/2026")
        .at(58, 45, kRealizo)
        .at(58, 250, kReviso)
        .right(60, "TARVEL v. w 3.1")
        .footer(1, 1);
    return e.lines;
}

// The acceptance page of the worked example against the default criteria: r² and CV fail.
QStringList acceptancePage() {
    ExpectedTexts e = header();
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

// A study of `levels` levels of `replicates` replicates on a noisy line.
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

// The lines (in L) of the page's texts at `x` pixels.
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
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("closingRule");
        QTest::newRow("general") << PageChoice::General << generalPage() << 59;
        QTest::newRow("inference") << PageChoice::Inference << inferencePage() << 62;
        QTest::newRow("variance") << PageChoice::Variance << variancePage() << 62;
    }
    void workedExample() {
        QFETCH(PageChoice, page);
        QFETCH(int, closingRule);
        const RecordingDocument document = printed(page, test::workedExample());
        QCOMPARE(document.pageCount(), 1);
        QTEST(placed(document.texts(0)), "texts");
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
        const RecordingDocument document = printed(*sheets);
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
        const RecordingDocument document = printed(PageChoice::General, observations(5, 5));
        QCOMPARE(document.pageCount(), 1);
        QCOMPARE(linesAt(document.texts(0), 83 * 12).mid(3), range(29, 54));
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
        const RecordingDocument document = printed(
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
        const RecordingDocument document =
            printed(Uprint1::ImprimeInferencia(test::workedExample(), '.', R, anova(p, 0, 3)));
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
            printed(PageChoice::Variance, observations(levels, replicates));
        QCOMPARE(document.pageCount(), rowsPerSheet.size());
        const std::string heading = "Observación        Pronóstico para Y                   "
                                    "Residuales                   Residuos Estudentizados";
        for (int page = 0; page < document.pageCount(); ++page) {
            const auto texts = document.texts(page);
            QCOMPARE(texts[0].text, std::string("Control de Calidad"));
            QList<int> rows = linesAt(texts, 55 * 12);
            const int headingLine = page == 0 ? 30 : 13;
            QCOMPARE(rows.takeFirst(), headingLine);
            QCOMPARE(rows, range(headingLine + 1, headingLine + rowsPerSheet[page]));
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
        const RecordingDocument document = printed(PageChoice::General, observations(10, 15));
        const QList<int> rowsPerSheet{23, 42, 42, 42, 1};
        QCOMPARE(document.pageCount(), rowsPerSheet.size());
        for (int page = 0; page < document.pageCount(); ++page) {
            QList<int> x = linesAt(document.texts(page), 83 * 12);
            if (page == 0)
                x = x.mid(6); // the levels grid's second column, in each band, first
            const int headingLine = page == 0 ? 32 : 13;
            QCOMPARE(x.first(), headingLine);
            QCOMPARE(x.mid(1), range(headingLine + 1, headingLine + rowsPerSheet[page]));
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
        const RecordingDocument document = printed(PageChoice::General, observations(levels, 2));
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
        const RecordingDocument document = printed(*sheets);
        QCOMPARE(document.canvas.text(" - ").y, 2600);
    }
};

QTEST_GUILESS_MAIN(LaserPagesTest)
#include "tst_laserpages.moc"
