#include "support/ExpectedPages.h"
#include "support/TestStudies.h"

#include <QtTest>

#include <map>

using namespace linealidad;
using test::RecordingCanvas;
using test::RecordingDocument;

namespace {

constexpr int L = 100; // a line at 600 dots per inch
constexpr int U = 12;  // a column

RecordingDocument printed(const Study& study, bool recovered, char decimal = '.') {
    return test::printedPage(PageChoice::Validation, study,
                             {.decimal = decimal, .recovered = recovered});
}

// The text at (`line`, `column`) of a page, or "(nada)".
std::string at(const std::vector<RecordingCanvas::Text>& texts, int line, int column) {
    for (const auto& t : texts)
        if (t.y == line * L && t.x == column * U)
            return t.text;
    return "(nada)";
}

bool has(const std::vector<RecordingCanvas::Text>& texts, const std::string& text) {
    return std::any_of(texts.begin(), texts.end(), [&](const auto& t) { return t.text == text; });
}

// `levels` levels of `replicates` replicates from X = 10 on a noisy line, with "," as separator.
Study large(int levels, int replicates) {
    std::vector<int> counts(static_cast<std::size_t>(levels), replicates);
    std::vector<std::string> x, y;
    for (int i = 1; i <= levels; ++i)
        for (int k = 0; k < replicates; ++k) {
            x.push_back(std::to_string(10 * i));
            y.push_back(std::to_string(10 * i) + "," + std::to_string((k * 7 + i * 3) % 10));
        }
    return test::study(counts, x, y);
}

} // namespace

Q_DECLARE_METATYPE(Study)

class ValidationPageTest : public QObject {
    Q_OBJECT
private slots:
    // The worked example: the title, the per-level table at its columns, a list of figures
    // with its values at 190 U, and the sign-off block at the lines of the verdict page.
    void workedExample() {
        const RecordingDocument document = printed(test::workedExample(), false);
        QCOMPARE(document.pageCount(), 2);
        const auto first = document.texts(0);
        QCOMPARE(at(first, 14, 45), std::string("Por nivel"));
        QCOMPARE(at(first, 15, 295), std::string("error relativo %"));
        QCOMPARE(at(first, 16, 165), std::string("0.141421"));
        QCOMPARE(at(first, 18, 295), std::string("0.854701"));
        QCOMPARE(at(first, 21, 45), std::string("media"));
        QCOMPARE(at(first, 21, 190), std::string("1.03889"));
        QVERIFY(has(first, "Estadística de validación"));
        const auto last = document.texts(1);
        QCOMPARE(at(last, 44, 45), std::string("Nombre del método: Valoración por UV"));
        QCOMPARE(at(last, 49, 45), std::string("Elaboró"));
        QVERIFY(has(last, "TARVEL v. w 3.1"));
    }

    // In a table, a statistic that does not apply reads "no aplicable" and its reason goes
    // under the table, once.
    void reasonsUnderTheTable() {
        const Study oneReplicate =
            test::study({1, 1, 1, 1}, {"1", "2", "3", "4"}, {"1.1", "1.9", "3.2", "3.9"});
        const auto texts = printed(oneReplicate, false).texts(0);
        QCOMPARE(at(texts, 16, 165), std::string("no aplicable"));
        QCOMPARE(at(texts, 16, 205), std::string("no aplicable"));
        QCOMPARE(at(texts, 20, 45), std::string("no aplicable: una réplica"));
    }

    // Every text within the printable area and apart from the others on its line, with the
    // widest figures there are (the decimal comma, n/a reasons, 150 observations' recovery),
    // the parts continuing on further sheets with their titles, the sign-off on the last.
    void fitsAndContinues_data() {
        QTest::addColumn<Study>("study");
        QTest::addColumn<int>("sheets");
        QTest::newRow("worked example, recovery")
            << test::study({2, 2, 2}, {"1", "1", "2", "2", "3", "3"},
                           {"1,0", "1,2", "2,1", "1,9", "3,2", "2,9"})
            << 2;
        QTest::newRow("10 levels of 15, recovery") << large(10, 15) << 6;
        QTest::newRow("blank at X = 0")
            << test::study({2, 2, 2}, {"0", "0", "1", "1", "2", "2"},
                           {"0,001", "0,002", "1,1", "0,9", "2,1", "1,9"})
            << 2;
    }
    void fitsAndContinues() {
        QFETCH(Study, study);
        QFETCH(int, sheets);
        const RecordingDocument document = printed(study, true, ',');
        QCOMPARE(document.pageCount(), sheets);
        for (int page = 0; page < document.pageCount(); ++page) {
            std::map<int, std::vector<std::pair<int, int>>> rows; // y: [x, right edge]
            for (const auto& t : document.texts(page)) {
                const int right =
                    t.x + std::abs(t.font.height) / 2 * RecordingCanvas::codePoints(t.text);
                QVERIFY2(t.x >= 0 && right <= RecordingDocument::kWidth, t.text.c_str());
                QVERIFY(t.y + std::abs(t.font.height) <= RecordingDocument::kHeight);
                rows[t.y].push_back({t.x, right});
            }
            for (auto& [y, cells] : rows) {
                std::sort(cells.begin(), cells.end());
                for (std::size_t i = 1; i < cells.size(); ++i)
                    QVERIFY2(cells[i - 1].second < cells[i].first, QByteArray::number(y));
            }
            QVERIFY(has(document.texts(page), "Control de Calidad"));
        }
        QVERIFY(has(document.texts(sheets - 1), "Elaboró"));
        if (sheets > 2)
            QVERIFY(has(document.texts(sheets - 2), "Recobro por observación (continuación)"));
    }
};

QTEST_GUILESS_MAIN(ValidationPageTest)
#include "tst_validationpage.moc"
