#include "core/printing/PageUnits.h"
#include "core/printing/PrintSheets.h"
#include "core/printing/SheetFooter.h"
#include "core/printing/SheetWriter.h"
#include "core/printing/TableParts.h"
#include "core/text/TextWrap.h"
#include "support/PlacedTexts.h"
#include "support/RecordingDocument.h"
#include "support/RowsToString.h"

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
    // L is 12 points in the device's dots; U is 12 dots of the printer the layout was drawn
    // for (600 dpi for the laser layout, 300 for the deskjet one), scaled with the device.
    void unitsScaleWithResolution_data() {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("unitDpi");
        QTest::addColumn<int>("L");
        QTest::addColumn<int>("at45");
        QTest::addColumn<int>("at310");
        QTest::addColumn<int>("tenPoints");
        QTest::newRow("laser, 300 dpi") << 300 << 600 << 50 << 270 << 1860 << 42;
        QTest::newRow("laser, 600 dpi") << 600 << 600 << 100 << 540 << 3720 << 83;
        QTest::newRow("laser, 1200 dpi") << 1200 << 600 << 200 << 1080 << 7440 << 167;
        QTest::newRow("laser, 96 dpi") << 96 << 600 << 16 << 86 << 595 << 13;
        QTest::newRow("deskjet, 300 dpi") << 300 << 300 << 50 << 540 << 3720 << 42;
        QTest::newRow("deskjet, 600 dpi") << 600 << 300 << 100 << 1080 << 7440 << 83;
    }
    void unitsScaleWithResolution() {
        QFETCH(int, dpi);
        QFETCH(int, unitDpi);
        const PageUnits units(dpi, unitDpi);
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
        printSheets(document, std::move(out).sheets(), test::testStamp());
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
        printSheets(document, std::move(out).sheets(), test::testStamp());
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
        printSheets(document, std::move(out).sheets(), test::testStamp());
        QCOMPARE(document.calls, (std::vector<std::string>{"BeginDoc", "NewPage", "EndDoc"}));
        QCOMPARE(document.pageCount(), 2);
        for (int page = 0; page < 2; ++page) {
            const auto texts = document.texts(page);
            QCOMPARE(texts.size(), std::size_t(3));
            QCOMPARE(texts[0].text, std::string("Encabezado"));
            QCOMPARE(texts[1].font.height, -83);
            QCOMPARE(texts[2].text, footerText(test::testStamp(), page + 1, 2));
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

    // The printable width of A4 within the quarter-inch border, 7.77 inches, in each layout's U.
    void printableWidth() {
        QCOMPARE(printableColumns(kLaserUnitDpi), 388);
        QCOMPARE(printableColumns(kDeskjetUnitDpi), 194);
    }

    // A sheet after the first draws the continuation after the header and the body font.
    void continuationSheets() {
        RecordingDocument document;
        SheetWriter out = sampleWriter();
        out.setContinuation([](SheetWriter& w) { w.text(12, 45, "Nombre del método: UV"); });
        out.text(14, 45, "primera");
        out.newSheet();
        out.text(14, 45, "segunda");
        printSheets(document, std::move(out).sheets(), test::testStamp());
        QCOMPARE(document.canvas.textsEqual("Nombre del método: UV").size(), std::size_t(1));
        const auto second = document.texts(1);
        QCOMPARE(second[1].text, std::string("Nombre del método: UV"));
        QCOMPARE(second[1].y, 1200);
        QCOMPARE(second[1].font.height, -83);
    }

    // Texts wrap at their blanks within the width; a word wider than the width is broken; what
    // does not fit in the lines allowed ends in "…". Every character is 10 pixels wide here.
    void wrapping_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("maxLines");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("fits, kept as it is") << "a  b c" << 60 << 2 << QStringList{"a  b c"};
        QTest::newRow("at the blanks") << "la ordenada mg - Área pasa" << 120 << 5
                                       << QStringList{"la ordenada", "mg - Área", "pasa"};
        QTest::newRow("a word too wide")
            << "abcdefghij xy" << 40 << 5 << QStringList{"abcd", "efgh", "ij", "xy"};
        QTest::newRow("more than the lines allowed")
            << "uno dos tres cuatro cinco" << 80 << 2 << QStringList{"uno dos", "tres cu…"};
        QTest::newRow("accents are one character")
            << "ñññ ááá" << 30 << 2 << QStringList{"ñññ", "ááá"};
    }
    void wrapping() {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(int, maxLines);
        const MeasureText measure = [](const std::string& t) {
            return 10 * test::RecordingCanvas::codePoints(t);
        };
        QStringList lines;
        for (const std::string& line : wrapText(text.toStdString(), width, maxLines, measure))
            lines << QString::fromStdString(line);
        QTEST(lines, "lines");
        for (const QString& line : lines)
            QVERIFY(measure(line.toStdString()) <= width);
    }

    void cutting_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("cut");
        QTest::newRow("fits") << "estudio.w02" << 110 << "estudio.w02";
        QTest::newRow("cut") << "estudio-largo.w02" << 80 << "estudio…";
        QTest::newRow("not even one character") << "abc" << 5 << "…";
        QTest::newRow("a megabyte") << QString(1 << 20, 'x') << 30 << "xx…";
    }
    void cutting() {
        QFETCH(QString, text);
        QFETCH(int, width);
        const MeasureText measure = [](const std::string& t) {
            return 10 * test::RecordingCanvas::codePoints(t);
        };
        QTEST(QString::fromStdString(cutToWidth(text.toStdString(), width, measure)), "cut");
    }

    // The footer names the sheet among all of the document's, the study's file and its hash
    // (or that it is not saved), the program, when and by whom it was printed.
    void footerTexts_data() {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("text");
        const QString hash = QString::fromStdString(test::testStamp().file.sha256);
        QTest::newRow("saved") << int(PrintStamp::Source::SavedStudy)
                               << "Página 2 de 11 · estudio.w02 · SHA-256 " + hash +
                                      " · Linealidad 3.1 · impreso 2026-12-08 10:30 · analista";
        QTest::newRow("unsaved") << int(PrintStamp::Source::UnsavedStudy)
                                 << "Página 2 de 11 · sin guardar · Linealidad 3.1 · impreso "
                                    "2026-12-08 10:30 · analista";
        QTest::newRow("no study") << int(PrintStamp::Source::NoStudy)
                                  << "Página 2 de 11 · Linealidad 3.1 · impreso 2026-12-08 10:30 "
                                     "· analista";
    }
    void footerTexts() {
        QFETCH(int, source);
        PrintStamp stamp = test::testStamp();
        stamp.source = static_cast<PrintStamp::Source>(source);
        QTEST(QString::fromStdString(footerText(stamp, 2, 11)), "text");
    }

    // At the foot of the printable area, centred, in 6 points; a file name too long for the
    // width is cut, never the hash.
    void footerPlacement_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("cut");
        QTest::newRow("short name") << "estudio.w02" << false;
        QTest::newRow("long name") << QString(300, 'n') + ".w02" << true;
    }
    void footerPlacement() {
        QFETCH(QString, name);
        PrintStamp stamp = test::testStamp();
        stamp.file.name = name.toStdString();
        test::RecordingCanvas canvas(600, RecordingDocument::kWidth, RecordingDocument::kHeight);
        drawFooter(canvas, stamp, 3, 4);
        QCOMPARE(canvas.texts.size(), std::size_t(1));
        const auto& footer = canvas.texts.front();
        QCOMPARE(footer.font.height, -50);
        QCOMPARE(footer.y, RecordingDocument::kHeight - 50);
        const int width = canvas.textWidth(footer.text);
        QVERIFY(width <= RecordingDocument::kWidth);
        QCOMPARE(footer.x, (RecordingDocument::kWidth - width) / 2);
        const QString text = QString::fromStdString(footer.text);
        QVERIFY(text.startsWith("Página 3 de 4 · "));
        QVERIFY(text.contains(" · SHA-256 " + QString::fromStdString(stamp.file.sha256) + " · "));
        QVERIFY(text.endsWith(" · analista"));
        QFETCH(bool, cut);
        QCOMPARE(text.contains("…"), cut);
        QVERIFY(footerRoom(canvas) > 50);
    }
};

QTEST_GUILESS_MAIN(PageLayoutTest)
#include "tst_pagelayout.moc"
