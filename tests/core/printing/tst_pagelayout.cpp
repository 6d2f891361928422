#include "core/printing/PageUnits.h"
#include "core/printing/PrintSheets.h"
#include "core/printing/SheetWriter.h"
#include "core/printing/TableParts.h"
#include "support/RecordingDocument.h"

#include <QtTest>

using namespace linealidad;
using test::RecordingDocument;

Q_DECLARE_METATYPE(std::vector<TablePart>)

namespace {

// A sheet with a header of one centred line and a rule, and a body text at (45 U, 14 L).
SheetWriter sampleWriter() {
    return SheetWriter(
        [](SheetWriter& out) {
            out.font(12);
            out.centred(7, "Encabezado");
            out.rule(10, 20);
        },
        10);
}

} // namespace

class PageLayoutTest : public QObject {
    Q_OBJECT
private slots:
    // L is 12 points in the device's dots; U is 12 dots at 600 dpi, scaled with the device.
    void unitsScaleWithResolution_data() {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("L");
        QTest::addColumn<int>("at45");
        QTest::addColumn<int>("at310");
        QTest::addColumn<int>("tenPoints");
        QTest::newRow("300 dpi") << 300 << 50 << 270 << 1860 << 42;
        QTest::newRow("600 dpi") << 600 << 100 << 540 << 3720 << 83;
        QTest::newRow("1200 dpi") << 1200 << 200 << 1080 << 7440 << 167;
        QTest::newRow("96 dpi") << 96 << 16 << 86 << 595 << 13;
    }
    void unitsScaleWithResolution() {
        QFETCH(int, dpi);
        const PageUnits units(dpi);
        QTEST(units.L(), "L");
        QTEST(units.x(45), "at45");
        QTEST(units.x(310), "at310");
        QTEST(units.pointsToPixels(10), "tenPoints");
    }

    // The probability column of the laser variance table (310 U) stays on an A4 sheet at every
    // resolution, at four fifths of the printable width.
    void drawnPositionsScaleWithResolution_data() {
        QTest::addColumn<int>("dpi");
        QTest::newRow("300 dpi") << 300;
        QTest::newRow("600 dpi") << 600;
        QTest::newRow("1200 dpi") << 1200;
    }
    void drawnPositionsScaleWithResolution() {
        QFETCH(int, dpi);
        const int width = 4660 * dpi / 600;
        RecordingDocument document(dpi, width, 6716 * dpi / 600);
        SheetWriter out = sampleWriter();
        out.text(18, 310, "0.000898959");
        printSheets(document, std::move(out).sheets());
        const auto& probability = document.canvas.text("0.000898959");
        QCOMPARE(probability.x, 310 * 12 * dpi / 600);
        QCOMPARE(probability.y, 18 * 12 * dpi / 72);
        QVERIFY(probability.x + 11 * -probability.font.height / 2 < width);
        QCOMPARE(probability.font.height, -(10 * dpi + 36) / 72);
        QCOMPARE(probability.font.name, std::string("ARIAL"));
    }

    void centredAndRightAlignedTextsAndRules() {
        RecordingDocument document;
        SheetWriter out = sampleWriter();
        out.rightAligned(58, "TARVEL v. w 3.1");
        out.rule(59);
        printSheets(document, std::move(out).sheets());
        const int width = RecordingDocument::kWidth;
        // "Encabezado" in 12 points is 10 × 50 pixels wide on the recorder; the product line in
        // 10 points 15 × 41.
        QCOMPARE(document.canvas.text("Encabezado").x, (width - 500) / 2);
        QCOMPARE(document.canvas.text("TARVEL v. w 3.1").x, width - 15 * 83 / 2);
        QCOMPARE(document.canvas.lines.size(), std::size_t(2));
        QCOMPARE(document.canvas.lines[0].from, (Point{0, 1020}));
        QCOMPARE(document.canvas.lines[0].to, (Point{width, 1020}));
        QCOMPARE(document.canvas.lines[1].from, (Point{0, 5900}));
        QCOMPARE(document.canvas.lines[1].to, (Point{width, 5900}));
    }

    // A document per report: begun once, a new page between sheets, ended once; each sheet
    // starts with the header and the body font.
    void oneDocumentWithAPagePerSheet() {
        RecordingDocument document;
        SheetWriter out = sampleWriter();
        out.text(14, 45, "primera");
        out.newSheet();
        out.text(14, 45, "segunda");
        printSheets(document, std::move(out).sheets());
        QCOMPARE(document.calls, (std::vector<std::string>{"BeginDoc", "NewPage", "EndDoc"}));
        QCOMPARE(document.pageCount(), 2);
        for (int page = 0; page < 2; ++page) {
            const auto texts = document.texts(page);
            QCOMPARE(texts.size(), std::size_t(2));
            QCOMPARE(texts[0].text, std::string("Encabezado"));
            QCOMPARE(texts[1].font.height, -83);
            QCOMPARE(document.lines(page).size(), std::size_t(1));
        }
        QCOMPARE(document.texts(1)[1].text, std::string("segunda"));
    }

    void tablesContinueOnFurtherSheets_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<std::vector<TablePart>>("parts");
        // The laser variance page: rows from 31 L, 13 L on further sheets, none below 52 L.
        QTest::newRow("none") << 0 << std::vector<TablePart>{{1, 0, 31}};
        QTest::newRow("22 fit") << 22 << std::vector<TablePart>{{1, 22, 31}};
        QTest::newRow("23 continue") << 23 << std::vector<TablePart>{{1, 22, 31}, {23, 1, 13}};
        QTest::newRow("150") << 150
                             << std::vector<TablePart>{{1, 22, 31},
                                                       {23, 40, 13},
                                                       {63, 40, 13},
                                                       {103, 40, 13},
                                                       {143, 8, 13}};
    }
    void tablesContinueOnFurtherSheets() {
        QFETCH(int, rows);
        QTEST(tableParts(rows, 31, 13, 52), "parts");
    }
};

QTEST_GUILESS_MAIN(PageLayoutTest)
#include "tst_pagelayout.moc"
