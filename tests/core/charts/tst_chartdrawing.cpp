#include "core/charts/DrawMarker.h"
#include "core/charts/Plot.h"
#include "core/text/Errors.h"
#include "support/RecordingCanvas.h"
#include "support/TestCharts.h"
#include "support/TestStudies.h"

#include <QtTest>

using namespace linealidad;
using test::RecordingCanvas;
using test::RegressionChartOnCanvas;
using Shape = RecordingCanvas::ShapeKind;

namespace {

// The residuals chart: a zero line at every X and residuals between -1.8 and 2.1.
void fillResiduals(ChartModel& m) {
    m.ClearPlot();
    const double residues[] = {-1.8, 0.4, 2.1, -0.6, 1.0};
    for (int v = 80; v <= 120; v += 10)
        m.AddPoint(2, v, 0);
    m.SetLineStyle(2, 3);
    m.SetMarker(2, 1);
    for (int i = 0; i < 5; ++i)
        m.AddPoint(1, 80 + 10 * i, residues[i]);
    m.SetLineStyle(1, 0);
    m.SetMarker(1, 4);
    m.SetXLabel("mg");
    m.SetYLabel("Área");
}

using Line = RecordingCanvas::Line;

// The lines running from (x1, y1) to (x2, y2) with any of the coordinates given as -1 free.
std::vector<Line> linesMatching(const RecordingCanvas& c, int x1, int y1, int x2, int y2) {
    std::vector<Line> result;
    const auto fits = [](int want, int have) { return want == -1 || want == have; };
    for (const Line& l : c.lines)
        if (fits(x1, l.from.x) && fits(y1, l.from.y) && fits(x2, l.to.x) && fits(y2, l.to.y))
            result.push_back(l);
    return result;
}

// On a 629 × 330 paint box with both axis labels and no title: TextSize 6, HeadSize 8,
// plot area (33, 4) to (533, 306).
constexpr int kLeft = 33, kTop = 4, kRight = 533, kBottom = 306;

QList<int> xs(const std::vector<Line>& lines) {
    QList<int> r;
    for (const Line& l : lines)
        r << l.from.x;
    return r;
}

QString position(const RecordingCanvas::Text& t) {
    return QString("%1,%2").arg(t.x).arg(t.y);
}

} // namespace

class TestChartDrawing : public QObject {
    Q_OBJECT
private slots:
    void layout_data() {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("bottom");
        QTest::addColumn<bool>("labels");
        QTest::addColumn<bool>("title");
        QTest::addColumn<QList<int>>("geometry"); // left, top, width, height, text, head, mark
        QTest::newRow("bare screen")
            << 0 << 0 << 629 << 330 << false << false << QList<int>{21, 4, 518, 308, 6, 8, 1};
        QTest::newRow("labels") << 0 << 0 << 629 << 330 << true << false
                                << QList<int>{33, 4, 500, 302, 6, 8, 1};
        QTest::newRow("labels and title")
            << 0 << 0 << 629 << 330 << true << true << QList<int>{33, 16, 500, 290, 6, 8, 1};
        QTest::newRow("page") << 250 << 400 << 3300 << 2550 << true << true
                              << QList<int>{464, 482, 2707, 1945, 39, 53, 9};
        QTest::newRow("bare page") << 250 << 400 << 3300 << 2550 << false << false
                                   << QList<int>{386, 404, 2824, 2062, 39, 53, 9};
    }
    void layout() {
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(int, right);
        QFETCH(int, bottom);
        QFETCH(bool, labels);
        QFETCH(bool, title);
        QFETCH(QList<int>, geometry);
        ChartModel m;
        if (labels) {
            m.SetXLabel("mg");
            m.SetYLabel("Área");
        }
        if (title)
            m.Title = "Lote 7";
        RecordingCanvas canvas;
        const PlotGeometry g = PlotLayout(canvas, PlotRect{left, top, right, bottom}, m);
        QCOMPARE((QList<int>{g.PlotLeft, g.PlotTop, g.PlotWidth, g.PlotHeight, g.TextSize,
                             g.HeadSize, g.MarkSize}),
                 geometry);
        QCOMPARE(canvas.font().name, std::string("Arial"));
        QCOMPARE(canvas.font().height, g.TextSize);
        QCOMPARE(canvas.font().color, colors::black);
    }

    void regressionFrameTexts() {
        RegressionChartOnCanvas chart;
        chart.draw();
        const RecordingCanvas& c = chart.canvas;

        // A white field with a black outline comes first.
        QCOMPARE(c.shapes.front().kind, Shape::Rectangle);
        QCOMPARE(c.shapes.front().points, (std::vector<Point>{{0, 0}, {629, 330}}));
        QCOMPARE(c.shapes.front().brush.style, BrushStyle::Solid);
        QCOMPARE(c.shapes.front().brush.color, colors::white);
        QCOMPARE(c.shapes.front().pen.color, colors::black);

        // Header, centred over the plot area, in HeadSize.
        QCOMPARE(position(c.text("Orvella, S.A.P.I. de C.V.")), QString("233,1"));
        QCOMPARE(position(c.text("Control de Calidad")), QString("247,8"));
        const auto& linealidad = c.text("Linealidad y Precisión del Sistema de Medición");
        QCOMPARE(position(linealidad), QString("191,16")); // 46 characters wide, not 48 bytes
        QCOMPARE(linealidad.font.height, 8);
        QCOMPARE(linealidad.font.name, std::string("Arial"));
        QVERIFY(c.textsEqual("Análisis de Residuales").empty());

        // Study block, right-aligned on the plot area's right edge, in TextSize.
        QCOMPARE(position(c.text("Nombre del Método = Valoración")), QString("443,234"));
        QCOMPARE(position(c.text("Analista = Ana")), QString("491,246"));
        QCOMPARE(position(c.text("Fecha = 08/12/2026")), QString("479,258"));
        QCOMPARE(position(c.text("Realizó ______________________ ")), QString("440,270"));
        const auto& reviewed = c.text("Revisó ______________________ ");
        QCOMPARE(position(reviewed), QString("443,282"));
        QCOMPARE(reviewed.font.height, 6);

        // Statistics a ninth of the free width in, from the fifteenth header line down; the
        // negative intercept keeps its sign inside the parentheses.
        const auto& equation = c.text("Y = 2(X) + (-10)");
        QCOMPARE(position(equation), QString("81,120"));
        QCOMPARE(equation.font.height, 8);
        QCOMPARE(position(c.text("Sx/y = 1.11803")), QString("82,128"));
        QCOMPARE(position(c.text("CVx/y = 0.588")), QString("82,136"));
        QCOMPARE(position(c.text("(r^2) = 0.998752")), QString("81,144"));

        // Axis labels: X centred at the bottom, Y downwards one character a line.
        QCOMPARE(position(c.text("mg")), QString("280,324"));
        QCOMPARE(position(c.text("Á")), QString("10,157"));
        QCOMPARE(position(c.text("r")), QString("10,163"));
        QCOMPARE(position(c.text("e")), QString("10,169"));
        QCOMPARE(position(c.text("a")), QString("10,175"));
    }

    void statisticsUseTheDecimalSeparator() {
        RegressionChartOnCanvas chart(',');
        chart.draw();
        const RecordingCanvas& c = chart.canvas;
        QCOMPARE(c.textsEqual("Sx/y = 1,11803").size(), std::size_t{1});
        QCOMPARE(c.textsEqual("CVx/y = 0,588").size(), std::size_t{1});
    }

    void axesAndTicks() {
        RegressionChartOnCanvas chart;
        chart.draw();
        const RecordingCanvas& c = chart.canvas;
        const ChartModel& m = chart.plot.model();
        QCOMPARE((ChartLimits{m.XMin, m.YMin, m.XMax, m.YMax}), (ChartLimits{80, 145, 120, 235}));

        // Two axes, no border.
        QCOMPARE(linesMatching(c, kLeft, kBottom, kRight, kBottom).front().pen.style,
                 PenStyle::Solid);
        // The Y axis, and the first X grid line over it.
        QCOMPARE(linesMatching(c, kLeft, kBottom, kLeft, kTop).size(), std::size_t{2});
        for (const Line& top : linesMatching(c, kLeft, kTop, kRight, kTop)) // grid "Ninguno"
            QCOMPARE(top.pen.style, PenStyle::Clear);

        // X: 9 ticks 5 apart, 12.5 pixels per step rounded half to even.
        const auto xTicks = linesMatching(c, -1, kBottom, -1, kBottom + 5);
        QCOMPARE(xs(xTicks), (QList<int>{33, 95, 158, 221, 283, 345, 408, 471, 533}));
        for (const Line& l : xTicks) {
            QCOMPARE(l.to.x, l.from.x);
            QCOMPARE(l.pen.style, PenStyle::Solid);
        }
        QCOMPARE(position(c.text("80")), QString("30,309"));
        QCOMPARE(position(c.text("85")), QString("92,309"));
        QCOMPARE(position(c.text("120")), QString("529,309"));

        // Y: 145..235 in 19 ticks, the first on the X axis and the last on the top edge.
        const auto yTicks = linesMatching(c, kLeft - 5, -1, kLeft, -1);
        QCOMPARE(yTicks.size(), std::size_t{19});
        QCOMPARE(yTicks.front().from.y, kBottom);
        QCOMPARE(yTicks.back().from.y, kTop);
        QCOMPARE(yTicks[9].from.y, kBottom - 151); // 190: 45 · 302/90 = 151
        QCOMPARE(position(c.text("145")), QString("14,303"));
        QCOMPARE(position(c.text("235")), QString("14,1"));
    }

    void gridPenPerStrength() {
        const PenStyle pens[] = {PenStyle::Clear, PenStyle::Dot, PenStyle::Dash, PenStyle::Solid};
        for (int grid = 0; grid <= 3; ++grid) {
            RegressionChartOnCanvas chart;
            chart.plot.model().Grid = static_cast<std::uint8_t>(grid);
            chart.draw();
            const RecordingCanvas& c = chart.canvas;
            const auto vertical = linesMatching(c, -1, kBottom, -1, kTop);
            // The Y axis, then one grid line per X tick, the last along the right edge.
            QCOMPARE(vertical.size(), std::size_t{10});
            QCOMPARE(vertical.back().from.x, kRight);
            for (std::size_t i = 1; i < vertical.size(); ++i)
                QCOMPARE(vertical[i].pen.style, pens[grid]);
            const auto horizontal = linesMatching(c, kLeft, -1, kRight, -1);
            QCOMPARE(horizontal.size(), std::size_t{20}); // the X axis and 19 grid lines
            QCOMPARE(horizontal.back().from.y, kTop);
            for (std::size_t i = 1; i < horizontal.size(); ++i)
                QCOMPARE(horizontal[i].pen.style, pens[grid]);
            // Tick marks stay solid whatever the grid.
            for (const Line& l : linesMatching(c, kLeft - 5, -1, kLeft, -1))
                QCOMPARE(l.pen.style, PenStyle::Solid);
        }
    }

    void markerShapes() {
        RecordingCanvas c;
        c.moveTo(0, 0);
        DrawMarker(c, 100, 200, kTriangleMarker, 10);
        QCOMPARE(c.shapes.back().points,
                 (std::vector<Point>{{100, 190}, {90, 206}, {110, 206}, {100, 190}}));
        QCOMPARE(c.shapes.back().brush.style, BrushStyle::Clear);
        QCOMPARE(c.position(), (Point{100, 200}));
        DrawMarker(c, 50, 60, kCircleMarker, 10);
        QCOMPARE(c.shapes.back().kind, Shape::Ellipse);
        QCOMPARE(c.shapes.back().points, (std::vector<Point>{{40, 50}, {60, 70}}));
        QCOMPARE(c.shapes.back().brush.style, BrushStyle::Clear);
        DrawMarker(c, 50, 60, 7, 10); // a style the program does not draw
        QCOMPARE(c.shapes.size(), std::size_t{2});
    }

    // Curve 1 (the data, triangles, no line) first, then curve 2 (the fitted line, solid,
    // circles), each joined from its first point's centre.
    void curves() {
        RegressionChartOnCanvas chart;
        chart.draw();
        const RecordingCanvas& c = chart.canvas;
        const auto triangles = c.shapesOf(Shape::Polygon);
        const auto circles = c.shapesOf(Shape::Ellipse);
        QCOMPARE(triangles.size(), std::size_t{10});
        QCOMPARE(circles.size(), std::size_t{10});
        // The last triangle comes before the first circle.
        std::size_t lastTriangle = 0, firstCircle = 0;
        for (std::size_t i = 0; i < c.shapes.size(); ++i) {
            if (c.shapes[i].kind == Shape::Polygon)
                lastTriangle = i;
            if (c.shapes[i].kind == Shape::Ellipse && firstCircle == 0)
                firstCircle = i;
        }
        QVERIFY(lastTriangle < firstCircle);

        // The curve lines are the last 20 lines: 10 clear, then 10 solid, the first of each
        // of zero length.
        const std::vector<Line> last(c.lines.end() - 20, c.lines.end());
        for (int i = 0; i < 10; ++i)
            QCOMPARE(last[static_cast<std::size_t>(i)].pen.style, PenStyle::Clear);
        for (int i = 10; i < 20; ++i)
            QCOMPARE(last[static_cast<std::size_t>(i)].pen.style, PenStyle::Solid);
        QCOMPARE(last[10].from, last[10].to);
        QCOMPARE(last[10].to, (Point{kLeft, kBottom - 17})); // (80, 150): 5 · 302/90 = 16.78
        QCOMPARE(last[19].to, (Point{kRight, kTop + 17}));   // (120, 230)
    }

    // On paper: R = (250, 400, page), no background, and the limits the screen left are
    // rounded once more, so 145 (an odd multiple of 5) moves down to 140.
    void printPage() {
        RegressionChartOnCanvas screen;
        screen.draw();
        Plot& plot = screen.plot;
        const Study& study = screen.study;
        RecordingCanvas page;
        plot.PrintPlot(page, 3300, 2550, study, '.');
        QCOMPARE(plot.geometry(), (PlotGeometry{464, 404, 2707, 2023, 39, 53, 9}));
        QVERIFY(page.shapesOf(Shape::Rectangle).empty());
        QCOMPARE(page.text("Orvella, S.A.P.I. de C.V.").y, 401);
        QCOMPARE(page.text("Orvella, S.A.P.I. de C.V.").font.height, 53);
        QCOMPARE(plot.model().YMin, 140.0);
        QCOMPARE(page.text("140").x, 464 - 10 - 3 * 39 / 2);

        // The first data point (80, 149) and its fitted value (80, 150).
        const int bottom = 404 + 2023;
        QCOMPARE(page.shapesOf(Shape::Polygon).front().points,
                 (std::vector<Point>{{464, bottom - 192 - 9},
                                     {455, bottom - 192 + 6},
                                     {473, bottom - 192 + 6},
                                     {464, bottom - 192 - 9}}));
        QCOMPARE(page.shapesOf(Shape::Ellipse).front().points,
                 (std::vector<Point>{{455, bottom - 213 - 9}, {473, bottom - 213 + 9}}));

        // A second print rounds again from what the first left: 140 is an even multiple.
        plot.PrintPlot(page, 3300, 2550, study, '.');
        QCOMPARE(plot.model().YMin, 140.0);
        // The screen starts from the stored limits again.
        screen.draw();
        QCOMPARE(plot.model().YMin, 145.0);
    }

    void residualsFrame() {
        Plot plot(PlotKind::Residuals);
        fillResiduals(plot.model());
        plot.model().Title = "Lote 7";
        RecordingCanvas c;
        // A perfect fit would stop the regression chart; the residuals chart does not refit.
        const Study perfect = test::study({1, 1, 1}, {"1", "2", "3"}, {"2", "4", "6"});
        plot.RedrawPlot(c, 629, 330, perfect, '.');

        QCOMPARE(c.text("Orvella, S.A.P.I. de C.V.").y, 1);
        QCOMPARE(c.text("Análisis de Residuales").y, 24);
        QCOMPARE(c.text("Lote 7").y, 32);
        QCOMPARE(c.text("Realizó ____________________ ").y, 270);
        QCOMPARE(c.text("Revisó ____________________ ").y, 282);
        for (const auto& t : c.texts)
            QVERIFY2(t.text.rfind("Y = ", 0) != 0 && t.text.rfind("Sx/y", 0) != 0 &&
                         t.text.rfind("CVx/y", 0) != 0 && t.text.rfind("(r^2)", 0) != 0,
                     t.text.c_str());
        QCOMPARE(plot.geometry().PlotTop, 16); // a title moves the plot area down all the same

        // Y from -2 to 2.5 in halves, the zero line on the tick 0.
        QStringList yLabels;
        for (const auto& t : c.texts)
            if (t.x + c.codePoints(t.text) * 3 == kLeft - 10)
                yLabels << QString::fromStdString(t.text);
        QCOMPARE(yLabels,
                 (QStringList{"-2", "-1.5", "-1", "-0.5", "0", "0.5", "1", "1.5", "2", "2.5"}));
        const auto yTicks = linesMatching(c, kLeft - 5, -1, kLeft, -1);
        const int zeroTick = yTicks[4].from.y;
        const Line zeroLine = c.lines.back();
        QCOMPARE(zeroLine.pen.style, PenStyle::Solid);
        QCOMPARE(zeroLine.from.y, zeroTick);
        QCOMPARE(zeroLine.to.y, zeroTick);
    }

    // After a zero slope only the equation changes; the other lines keep what the chart's own
    // results held (zeros before any complete fit).
    void zeroSlopeRefreshesOnlyTheEquation() {
        const Study plain = test::study({2, 2, 2}, {"80", "80", "90", "90", "100", "100"},
                                        {"5", "5", "5", "5", "5", "5"});
        RegressionChartOnCanvas chart;
        const RecordingCanvas& c = chart.canvas;
        const Study five = chart.study;
        chart.study = plain;
        chart.draw();
        QCOMPARE(c.textsEqual("Y = 0(X) + (5)").size(), std::size_t{1});
        QCOMPARE(c.textsEqual("Sx/y = 0").size(), std::size_t{1});

        chart.study = five;
        chart.draw();
        chart.study = plain;
        chart.draw();
        QCOMPARE(c.textsEqual("Y = 0(X) + (5)").size(), std::size_t{1});
        QCOMPARE(c.textsEqual("Sx/y = 1.11803").size(), std::size_t{1});
        QCOMPARE(c.textsEqual("(r^2) = 0.998752").size(), std::size_t{1});
    }

    void perfectFitStopsTheRegressionChart() {
        RegressionChartOnCanvas chart;
        chart.study = test::study({1, 1, 1}, {"1", "2", "3"}, {"2", "4", "6"});
        QVERIFY_THROWS_EXCEPTION(ArithmeticError, chart.draw());
        QVERIFY(chart.canvas.texts.empty()); // the background was drawn, the frame not
        QCOMPARE(chart.canvas.shapes.size(), std::size_t{1});
    }

    // Typed limits narrower than the data: the points fall outside the axes, unclipped.
    void narrowLimitsDrawOutside() {
        RegressionChartOnCanvas chart;
        chart.draw();
        chart.typeXLimits("90", "110");
        chart.draw();
        const auto triangles = chart.canvas.shapesOf(Shape::Polygon);
        QVERIFY(triangles.front().points[0].x < kLeft);
        QVERIFY(triangles.back().points[0].x > kRight);
    }

    // Limits that cannot make an axis end the drawing with the program's fault instead of
    // hanging; reversed limits give a single tick.
    void degenerateTypedLimits() {
        RegressionChartOnCanvas chart;
        chart.draw();
        chart.typeXLimits("1e20", "1e20");
        try {
            chart.draw();
            QFAIL("an axis of no length cannot be scaled");
        } catch (const ArithmeticError& e) {
            QCOMPARE(std::string(e.what()), std::string("Floating point division by zero"));
        }

        chart.typeXLimits("100", "0");
        chart.draw();
        QCOMPARE(linesMatching(chart.canvas, -1, kBottom, -1, kBottom + 5).size(), std::size_t{1});
    }
};

QTEST_APPLESS_MAIN(TestChartDrawing)
#include "tst_chartdrawing.moc"
