#include "core/CutToWidth.h"
#include "core/charts/Plot.h"
#include "core/printing/PrintSheets.h"
#include "core/printing/PrintedPages.h"
#include "support/PlacedTexts.h"
#include "support/RecordingCanvas.h"
#include "support/RecordingDocument.h"
#include "support/TestCharts.h"
#include "support/TestStudies.h"

#include <QtTest>

using namespace linealidad;
using test::RecordingCanvas;

namespace {

// A recording canvas that counts the characters it measures and draws: what laying out and
// drawing texts costs, without a clock.
class CountingCanvas : public RecordingCanvas {
public:
    using RecordingCanvas::RecordingCanvas;
    long long handled = 0;
    int textWidth(const std::string& text) override {
        handled += codePoints(text);
        return RecordingCanvas::textWidth(text);
    }
    void textOut(int x, int y, const std::string& text) override {
        handled += codePoints(text);
        RecordingCanvas::textOut(x, y, text);
    }
};

// A study whose texts run to half a megabyte each, as a study file may hold them.
Study withLongTexts() {
    Study study = test::workedExample();
    study.emetodo = std::string(500'000, 'M');
    study.eadicionada = std::string(500'000, 'u');
    for (int i = 0; i < 250'000; ++i)
        study.emedida += "ñ"; // two bytes a character
    return study;
}

int rightEdge(const RecordingCanvas::Text& t) {
    return t.x + RecordingCanvas::codePoints(t.text) * std::abs(t.font.height) / 2;
}

} // namespace

Q_DECLARE_METATYPE(PageChoice)
Q_DECLARE_METATYPE(PrintLayout)
Q_DECLARE_METATYPE(PlotKind)

class TestLongTexts : public QObject {
    Q_OBJECT

private slots:
    // The recording canvas's characters are 6 pixels wide at a height of 12.
    void cutToWidth_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("drawn");
        QTest::newRow("fits") << "Absorbancia" << 66 << "Absorbancia";
        QTest::newRow("one pixel short") << "Absorbancia" << 65 << "Absorbanc…";
        QTest::newRow("whole characters") << "ñññññññññññ" << 65 << "ñññññññññ…";
        QTest::newRow("room for the mark alone") << "Absorbancia" << 6 << "…";
        QTest::newRow("no room at all") << "Absorbancia" << 0 << "…";
        QTest::newRow("empty") << "" << 0 << "";
        QTest::newRow("long, fits") << QString(300, 'a') << 1800 << QString(300, 'a');
        QTest::newRow("long, cut") << QString(300, 'a') << 1799 << QString(298, 'a') + "…";
    }
    void cutToWidth() {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, drawn);
        RecordingCanvas canvas;
        canvas.setFont(Font{"Arial", 12});
        const std::string cut = linealidad::cutToWidth(canvas, text.toStdString(), width);
        QCOMPARE(QString::fromStdString(cut), drawn);
    }

    // A megabyte of text costs what the width can hold, not what the text holds.
    void cutMeasuresOnlyWhatCanFit() {
        CountingCanvas canvas;
        canvas.setFont(Font{"Arial", 12});
        const std::string text(1 << 20, 'x');
        const std::string cut = linealidad::cutToWidth(canvas, text, 600);
        QCOMPARE(cut, std::string(99, 'x') + kCutMark);
        QVERIFY2(canvas.handled < 2000, QByteArray::number(canvas.handled));
    }

    // Every page of a study whose texts take half a megabyte: each long text cut with "…" at
    // the page's edge, and the whole printing handling no more characters than a page holds.
    void pagesCutLongTexts_data() {
        QTest::addColumn<PageChoice>("page");
        QTest::addColumn<PrintLayout>("layout");
        QTest::newRow("laser, general") << PageChoice::General << PrintLayout::Laser;
        QTest::newRow("laser, inference") << PageChoice::Inference << PrintLayout::Laser;
        QTest::newRow("laser, variance") << PageChoice::Variance << PrintLayout::Laser;
        QTest::newRow("deskjet, general") << PageChoice::General << PrintLayout::Deskjet;
        QTest::newRow("verdict") << PageChoice::Acceptance << PrintLayout::Laser;
    }
    void pagesCutLongTexts() {
        QFETCH(PageChoice, page);
        QFETCH(PrintLayout, layout);
        ResultSet results;
        const auto sheets = composePage(layout, page, withLongTexts(), '.', 0, results);
        QVERIFY(sheets);
        test::RecordingDocument document;
        printSheets(document, *sheets, test::testStamp());
        int cut = 0;
        for (const auto& t : document.canvas.texts) {
            QVERIFY2(t.text.size() < 1000, t.text.substr(0, 80).c_str());
            if (t.text.ends_with(kCutMark)) {
                ++cut;
                QVERIFY(rightEdge(t) <= test::RecordingDocument::kWidth);
            }
        }
        QVERIFY(cut >= 1);
    }

    // The charts draw the long texts cut to the window too: the title, the study block, the X
    // label across, the Y label down.
    void chartsCutLongTexts_data() {
        QTest::addColumn<PlotKind>("kind");
        QTest::newRow("regression") << PlotKind::Regression;
        QTest::newRow("residuals") << PlotKind::Residuals;
    }
    void chartsCutLongTexts() {
        QFETCH(PlotKind, kind);
        const Study study = withLongTexts();
        Plot plot = test::filledChart(kind, study);
        plot.model().Title = std::string(300'000, 'T');
        CountingCanvas canvas;
        plot.RedrawPlot(canvas, 800, 600, study, '.');
        QVERIFY2(canvas.handled < 60'000, QByteArray::number(canvas.handled));
        int cut = 0;
        for (const auto& t : canvas.texts) {
            QVERIFY(t.x >= 0 && rightEdge(t) <= 800);
            QVERIFY(t.y >= 0 && t.y + std::abs(t.font.height) <= 600);
            cut += t.text.ends_with(kCutMark);
        }
        QVERIFY2(cut >= 4, QByteArray::number(cut)); // title, method, X label, Y label
        // The Y label's letters, down the left margin, stay clear of the X label.
        const PlotGeometry& g = plot.geometry();
        const auto xLabel = std::find_if(canvas.texts.begin(), canvas.texts.end(),
                                         [&](const auto& t) { return t.y == g.XLabelTop; });
        QVERIFY(xLabel != canvas.texts.end());
        for (const auto& t : canvas.texts)
            if (rightEdge(t) < g.PlotLeft / 2)
                QVERIFY(rightEdge(t) <= xLabel->x || t.y + std::abs(t.font.height) <= xLabel->y);
    }
};

QTEST_APPLESS_MAIN(TestLongTexts)
#include "tst_longtexts.moc"
