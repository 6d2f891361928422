#include "core/charts/ChartFill.h"
#include "core/charts/DrawMarker.h"
#include "core/charts/Plot.h"
#include "core/stats/CalculaAnova.h"
#include "core/stats/CalculaRegresion.h"
#include "core/text/Errors.h"
#include "support/RecordingCanvas.h"
#include "support/TestCharts.h"
#include "support/TestStudies.h"

#include <QtTest>

#include <algorithm>
#include <cstdlib>

using namespace linealidad;
using test::filledChart;
using test::RecordingCanvas;
using test::RegressionChartOnCanvas;
using Shape = RecordingCanvas::ShapeKind;
using Line = RecordingCanvas::Line;
using Text = RecordingCanvas::Text;

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

// The lines running from (x1, y1) to (x2, y2) with any of the coordinates given as -1 free.
std::vector<Line> linesMatching(const RecordingCanvas& c, int x1, int y1, int x2, int y2) {
    std::vector<Line> result;
    const auto fits = [](int want, int have) { return want == -1 || want == have; };
    for (const Line& l : c.lines)
        if (fits(x1, l.from.x) && fits(y1, l.from.y) && fits(x2, l.to.x) && fits(y2, l.to.y))
            result.push_back(l);
    return result;
}

// The pixels a text covers on the recording canvas: |height| high, half as wide a character.
struct Box {
    int left, top, right, bottom; // right and bottom exclusive
};

Box boxOf(const Text& t) {
    const int h = std::abs(t.font.height);
    return {t.x, t.y, t.x + RecordingCanvas::codePoints(t.text) * h / 2, t.y + h};
}

bool overlap(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool within(const Box& inner, const Box& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// A visible line passes over a pixel of the box (both end points drawn).
bool crosses(const Line& l, const Box& b) {
    if (l.pen.style == PenStyle::Clear)
        return false;
    const int dx = l.to.x - l.from.x, dy = l.to.y - l.from.y;
    const int steps = std::max({std::abs(dx), std::abs(dy), 1});
    for (int i = 0; i <= steps; ++i) {
        const int x = l.from.x + static_cast<int>(std::lround(double(dx) * i / steps));
        const int y = l.from.y + static_cast<int>(std::lround(double(dy) * i / steps));
        if (x >= b.left && x < b.right && y >= b.top && y < b.bottom)
            return true;
    }
    return false;
}

// The opaque grounds the chart lays under its blocks of text: white, without an outline.
std::vector<RecordingCanvas::Shape> grounds(const RecordingCanvas& c) {
    std::vector<RecordingCanvas::Shape> result;
    for (const auto& s : c.shapesOf(Shape::Rectangle))
        if (s.pen.style == PenStyle::Clear && s.brush.style == BrushStyle::Solid &&
            s.brush.color == colors::white)
            result.push_back(s);
    return result;
}

// A marker's extent: the bounding box of its shape, with its outline.
Box markerBox(const RecordingCanvas::Shape& s) {
    Box b{s.points[0].x, s.points[0].y, s.points[0].x, s.points[0].y};
    for (const Point& p : s.points) {
        b.left = std::min(b.left, p.x);
        b.top = std::min(b.top, p.y);
        b.right = std::max(b.right, p.x);
        b.bottom = std::max(b.bottom, p.y);
    }
    return {b.left, b.top, b.right + 1, b.bottom + 1};
}

// The curves stay in sight: the grounds of the statistics and the study block (every ground
// but the header's, the first) are crossed by no line of a curve (drawn after the frame's last
// text and before the first ground) and touch no marker, and no marker lies on a text.
void keepsTheCurvesInSight(const RecordingCanvas& c) {
    const auto ground = grounds(c);
    QVERIFY(!ground.empty());
    const std::size_t firstGround = ground.front().order;
    std::size_t frameEnd = 0;
    for (const Text& t : c.texts)
        if (t.order < firstGround)
            frameEnd = std::max(frameEnd, t.order);
    std::vector<Line> curves;
    for (const Line& l : c.lines)
        if (l.order > frameEnd && l.order < firstGround && l.from != l.to)
            curves.push_back(l);
    QVERIFY(!curves.empty());
    std::vector<Box> markers;
    for (const auto kind : {Shape::Polygon, Shape::Ellipse})
        for (const auto& s : c.shapesOf(kind))
            markers.push_back(markerBox(s));
    for (std::size_t k = 1; k < ground.size(); ++k) {
        const Box b{ground[k].points[0].x, ground[k].points[0].y, ground[k].points[1].x,
                    ground[k].points[1].y};
        for (const Line& l : curves)
            QVERIFY2(!crosses(l, b), qPrintable(QString("a curve from %1,%2 to %3,%4 runs under "
                                                        "the ground at %5,%6")
                                                    .arg(l.from.x)
                                                    .arg(l.from.y)
                                                    .arg(l.to.x)
                                                    .arg(l.to.y)
                                                    .arg(b.left)
                                                    .arg(b.top)));
        for (const Box& m : markers)
            QVERIFY2(!overlap(m, b), qPrintable(QString("a marker at %1,%2 is under the ground "
                                                        "at %3,%4")
                                                    .arg(m.left)
                                                    .arg(m.top)
                                                    .arg(b.left)
                                                    .arg(b.top)));
    }
    for (const Text& t : c.texts)
        for (const Box& m : markers)
            QVERIFY2(!overlap(m, boxOf(t)),
                     qPrintable(QString("a marker at %1,%2 lies on ").arg(m.left).arg(m.top) +
                                QString::fromStdString(t.text)));
}

QString position(const Text& t) {
    return QString("%1,%2").arg(t.x).arg(t.y);
}

QString describe(const Text& t) {
    return QString("\"%1\" at %2").arg(QString::fromStdString(t.text), position(t));
}

// The plot area of the 1000 x 660 regression chart with both axis labels and no title:
// (66, 58) to (898, 621).
constexpr int kLeft = 66, kTop = 58, kRight = 898, kBottom = 621;

QList<int> xs(const std::vector<Line>& lines) {
    QList<int> r;
    for (const Line& l : lines)
        r << l.from.x;
    return r;
}

} // namespace

class TestChartDrawing : public QObject {
    Q_OBJECT
private slots:
    void layout_data() {
        QTest::addColumn<QList<int>>("rect"); // left, top, right, bottom
        QTest::addColumn<bool>("labels");
        QTest::addColumn<bool>("title");
        QTest::addColumn<double>("floor");
        QTest::addColumn<QList<double>>("y"); // Y limits before rounding
        // left, top, width, height, text, head, mark, tick gap, X label, statistics, last study
        // line, study pitch, pad
        QTest::addColumn<QList<int>>("geometry");
        const QList<int> screen{0, 0, 1000, 660};
        const QList<double> data{149, 231};
        QTest::newRow("labels") << screen << true << false << 8.0 << data
                                << QList<int>{66, 58, 832, 563, 12, 16, 3, 7, 646, 240, 564, 24, 2};
        // Without labels the margin is the Parts' narrower one and the plot reaches lower.
        QTest::newRow("bare") << screen << false << false << 8.0 << data
                              << QList<int>{42, 58, 868, 581, 12, 16, 3, 7, 646, 240, 564, 24, 2};
        // A title is one more header line above the plot area.
        QTest::newRow("title") << screen << true << true << 8.0 << data
                               << QList<int>{66, 74, 832, 547, 12, 16, 3, 7, 646, 240, 564, 24, 2};
        // Tick labels such as 1.5E+4 need a wider margin than " ###.##" leaves; the vertical
        // label moves out with them.
        QTest::newRow("wide tick labels")
            << screen << true << false << 8.0 << QList<double>{10000, 60000}
            << QList<int>{78, 58, 820, 563, 12, 16, 3, 7, 646, 240, 564, 24, 2};
        // The Parts' window size: texts at the floor (11 pixels at 96 per inch) instead of 6,
        // the header 15 instead of 8; the study block stays clear of the X axis.
        QTest::newRow("floor") << QList<int>{0, 0, 599, 353} << true << false << 8.0 << data
                               << QList<int>{60, 54, 438, 263, 11, 15, 2, 7, 340, 120, 303, 22, 2};
        QTest::newRow("higher floor")
            << QList<int>{0, 0, 599, 353} << true << false << 9.0 << data
            << QList<int>{66, 58, 431, 256, 12, 16, 3, 7, 339, 120, 299, 24, 2};
        // Higher still, the statistics move up to stay above the study block, and with a title
        // the study lines close up as well.
        QTest::newRow("11 points")
            << QList<int>{0, 0, 599, 353} << true << false << 11.0 << data
            << QList<int>{82, 71, 412, 236, 15, 20, 3, 7, 336, 84, 289, 30, 2};
        QTest::newRow("11 points and title")
            << QList<int>{0, 0, 599, 353} << true << true << 11.0 << data
            << QList<int>{82, 91, 412, 216, 15, 20, 3, 7, 336, 96, 289, 27, 2};
        QTest::newRow("page") << QList<int>{250, 400, 3300, 2550} << true << false << 8.0
                              << QList<double>{140, 235}
                              << QList<int>{464, 586,  2707, 1846, 39, 53, 9,
                                            19,  2509, 1195, 2238, 78, 6};
    }
    void layout() {
        QFETCH(QList<int>, rect);
        QFETCH(bool, labels);
        QFETCH(bool, title);
        QFETCH(double, floor);
        QFETCH(QList<double>, y);
        QFETCH(QList<int>, geometry);
        ChartModel m;
        m.YMin = y[0];
        m.YMax = y[1];
        if (labels) {
            m.SetXLabel("mg");
            m.SetYLabel("Área");
        }
        if (title)
            m.Title = "Lote 7";
        RecordingCanvas canvas;
        const PlotGeometry g = PlotLayout(canvas, PlotRect{rect[0], rect[1], rect[2], rect[3]}, m,
                                          PlotKind::Regression, floor, '.');
        QCOMPARE((QList<int>{g.PlotLeft, g.PlotTop, g.PlotWidth, g.PlotHeight, g.TextSize,
                             g.HeadSize, g.MarkSize, g.TickLabelGap, g.XLabelTop, g.StatisticsTop,
                             g.StudyLastLine, g.StudyLinePitch, g.Padding}),
                 geometry);
        QCOMPARE(canvas.font().name, std::string("Arial"));
        QCOMPARE(canvas.font().height, g.TextSize);
        QCOMPARE(canvas.font().color, colors::black);
    }

    // At the size the Parts give the windows no text is smaller than the floor: 8 points at
    // the canvas's resolution.
    void textFloor_data() {
        QTest::addColumn<bool>("regression");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("ppi");
        QTest::addColumn<int>("floor"); // pixels
        QTest::newRow("regression") << true << 599 << 96 << 11;
        QTest::newRow("residuals") << false << 507 << 96 << 11;
        QTest::newRow("regression, 120 per inch") << true << 599 << 120 << 13;
        QTest::newRow("residuals, 120 per inch") << false << 507 << 120 << 13;
    }
    void textFloor() {
        QFETCH(bool, regression);
        QFETCH(int, width);
        QFETCH(int, ppi);
        QFETCH(int, floor);
        const Study study = test::studyOfFive();
        Plot plot = filledChart(regression ? PlotKind::Regression : PlotKind::Residuals, study);
        plot.model().Title = "Lote 7";
        RecordingCanvas c(ppi);
        plot.RedrawPlot(c, width, 353, study, '.');
        QVERIFY(c.texts.size() > 30);
        for (const Text& t : c.texts)
            QVERIFY2(std::abs(t.font.height) >= floor, qPrintable(describe(t)));
        QVERIFY(plot.geometry().HeadSize > plot.geometry().TextSize);
        QVERIFY(plot.geometry().MarkSize >= 2);
    }

    // Whatever the size and the grid: every text inside the window's outline, no two texts on
    // one another, tick labels clear of their marks, no line through a text (the blocks over
    // the plot area lie on opaque grounds laid over the lines), and every marker over the
    // grounds, so no text hides an observation.
    // At the Parts' size the texts stand at the floor: 8 points, and 11 (the recording
    // canvas's letters are narrower than Arial's, so a higher floor stands for a real font).
    void legible_data() {
        QTest::addColumn<bool>("regression");
        QTest::addColumn<bool>("large");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("grid");
        QTest::addColumn<double>("floor");
        struct Size {
            const char* name;
            QSize size;
            double floor;
        };
        for (const bool regression : {true, false}) {
            const char* kind = regression ? "regression" : "residuals";
            const QSize parts(regression ? 599 : 507, 353);
            const QList<Size> sizes{{"parts' size", parts, 8},
                                    {"parts' size, 11 points", parts, 11},
                                    {"opening size", QSize(960, 742), 8},
                                    {"maximised", QSize(1280, 960), 8},
                                    {"report image", QSize(1600, 1000), 8}};
            for (const Size& s : sizes)
                for (int grid = 0; grid <= 3; ++grid)
                    for (const bool large : {false, true})
                        QTest::addRow("%s, %s, grid %d%s", kind, s.name, grid,
                                      large ? ", 150 observations" : "")
                            << regression << large << s.size << grid << s.floor;
        }
    }
    void legible() {
        QFETCH(bool, regression);
        QFETCH(bool, large);
        QFETCH(QSize, size);
        QFETCH(int, grid);
        QFETCH(double, floor);
        const Study study = large ? test::studyOf150() : test::studyOfFive();
        Plot plot = filledChart(regression ? PlotKind::Regression : PlotKind::Residuals, study);
        plot.setTextFloor(floor);
        plot.model().Title = "Linealidad del sistema, lote 7";
        plot.model().Grid = static_cast<std::uint8_t>(grid);
        RecordingCanvas c;
        plot.RedrawPlot(c, size.width(), size.height(), study, '.');

        const Box frame{1, 1, size.width() - 1, size.height() - 1};
        const auto ground = grounds(c);
        QVERIFY(ground.size() >= 2);
        std::size_t lastGround = 0;
        for (const auto& g : ground)
            lastGround = std::max(lastGround, g.order);
        for (const Text& t : c.texts) {
            const Box box = boxOf(t);
            QVERIFY2(within(box, frame), qPrintable(describe(t) + " leaves the frame"));
            for (const Text& other : c.texts)
                if (&other != &t)
                    QVERIFY2(!overlap(box, boxOf(other)),
                             qPrintable(describe(t) + " overlaps " + describe(other)));
            for (const Line& l : c.lines) {
                if (!crosses(l, box))
                    continue;
                QVERIFY2(l.order < t.order, qPrintable(describe(t) + " has a line drawn over it"));
                const bool covered = std::any_of(ground.begin(), ground.end(), [&](const auto& g) {
                    return g.order > l.order && g.order < t.order &&
                           within(box,
                                  Box{g.points[0].x, g.points[0].y, g.points[1].x, g.points[1].y});
                });
                QVERIFY2(covered, qPrintable(QString("a line from %1,%2 to %3,%4 runs through ")
                                                 .arg(l.from.x)
                                                 .arg(l.from.y)
                                                 .arg(l.to.x)
                                                 .arg(l.to.y) +
                                             describe(t)));
            }
        }
        const int observations = large ? 150 : 10;
        const auto triangles = c.shapesOf(Shape::Polygon);
        QCOMPARE(static_cast<int>(triangles.size()), observations);
        for (const auto& marker : triangles)
            QVERIFY(marker.order > lastGround);
        keepsTheCurvesInSight(c);
    }

    // Both on screen and on paper, at every size: no block of text hides the fitted line (or
    // the zero line) or a marker, and no marker lies on a text.
    void curvesInSight_data() { legible_data(); }
    void curvesInSight() {
        QFETCH(bool, regression);
        QFETCH(bool, large);
        QFETCH(QSize, size);
        QFETCH(int, grid);
        QFETCH(double, floor);
        const Study study = large ? test::studyOf150() : test::studyOfFive();
        Plot plot = filledChart(regression ? PlotKind::Regression : PlotKind::Residuals, study);
        plot.setTextFloor(floor);
        plot.model().Grid = static_cast<std::uint8_t>(grid);
        RecordingCanvas screen;
        plot.RedrawPlot(screen, size.width(), size.height(), study, '.');
        keepsTheCurvesInSight(screen);
        // A landscape Letter page at 600 dots per inch.
        RecordingCanvas page(600);
        plot.PrintPlot(page, 6600, 5100, study, '.');
        keepsTheCurvesInSight(page);
    }

    // On an axis too crowded for a label at every tick, every k-th tick from the first keeps
    // one; the marks and grid lines stay at every tick.
    void crowdedAxisLabelsEvenly() {
        const Study study = test::studyOf150();
        Plot plot = filledChart(PlotKind::Regression, study);
        plot.setTextFloor(11);
        RecordingCanvas c;
        plot.RedrawPlot(c, 599, 353, study, '.');
        const PlotGeometry& g = plot.geometry();
        const int bottom = g.PlotTop + g.PlotHeight;
        QList<int> values;
        for (const Text& t : c.texts)
            if (t.y == bottom + g.TickLabelGap)
                values << std::stoi(t.text);
        QVERIFY(values.size() > 2);
        QCOMPARE(values.front(), 10);
        const int stride = values[1] - values[0];
        QVERIFY(stride > 5); // the step is 5: some ticks go without a label
        for (int i = 1; i < values.size(); ++i)
            QCOMPARE(values[i] - values[i - 1], stride);
        QCOMPARE(linesMatching(c, -1, bottom, -1, bottom + 5).size(), std::size_t{19});
    }

    void regressionFrameTexts() {
        RegressionChartOnCanvas chart;
        chart.draw();
        const RecordingCanvas& c = chart.canvas;

        // A white field with a black outline comes first.
        QCOMPARE(c.shapes.front().kind, Shape::Rectangle);
        QCOMPARE(c.shapes.front().points, (std::vector<Point>{{0, 0}, {1000, 660}}));
        QCOMPARE(c.shapes.front().brush.style, BrushStyle::Solid);
        QCOMPARE(c.shapes.front().brush.color, colors::white);
        QCOMPARE(c.shapes.front().pen.color, colors::black);

        // Header, centred over the plot area, in HeadSize.
        QCOMPARE(position(c.text("Orvella, S.A.P.I. de C.V.")), QString("382,1"));
        QCOMPARE(position(c.text("Control de Calidad")), QString("410,17"));
        const auto& linealidad = c.text("Linealidad y Precisión del Sistema de Medición");
        QCOMPARE(position(linealidad), QString("298,33")); // 46 characters wide, not 48 bytes
        QCOMPARE(linealidad.font.height, 16);
        QCOMPARE(linealidad.font.name, std::string("Arial"));
        QVERIFY(c.textsEqual("Análisis de Residuales").empty());

        // Study block, right-aligned on the plot area's right edge less its ground's margin, in
        // TextSize, the last line eight text lines up.
        QCOMPARE(position(c.text("Nombre del Método = Valoración")), QString("715,468"));
        QCOMPARE(position(c.text("Analista = Ana")), QString("811,492"));
        QCOMPARE(position(c.text("Fecha = 08/12/2026")), QString("787,516"));
        QCOMPARE(position(c.text("Realizó ______________________ ")), QString("709,540"));
        const auto& reviewed = c.text("Revisó ______________________ ");
        QCOMPARE(position(reviewed), QString("715,564"));
        QCOMPARE(reviewed.font.height, 12);

        // Statistics a ninth of the free width in, from the fifteenth header line down; the
        // negative intercept keeps its sign inside the parentheses.
        const auto& equation = c.text("Y = 2(X) + (-10)");
        QCOMPARE(position(equation), QString("144,240"));
        QCOMPARE(equation.font.height, 16);
        QCOMPARE(position(c.text("Sx/y = 1.11803")), QString("146,256"));
        QCOMPARE(position(c.text("CVx/y = 0.588")), QString("146,272"));
        QCOMPARE(position(c.text("(r^2) = 0.998752")), QString("144,288"));

        // Axis labels: X centred at the bottom, clear of the outline; Y downwards one character
        // a line, centred on the plot area.
        QCOMPARE(position(c.text("mg")), QString("476,646"));
        QCOMPARE(position(c.text("Á")), QString("20,315"));
        QCOMPARE(position(c.text("r")), QString("20,327"));
        QCOMPARE(position(c.text("e")), QString("20,339"));
        QCOMPARE(position(c.text("a")), QString("20,351"));
    }

    // Each block of text lies on one white ground without an outline, laid just before it.
    void textBlocksOnGrounds() {
        RegressionChartOnCanvas chart;
        chart.draw();
        const RecordingCanvas& c = chart.canvas;
        const auto ground = grounds(c);
        QCOMPARE(ground.size(), std::size_t{3}); // header, statistics, study block
        QCOMPARE(ground[0].points, (std::vector<Point>{{296, 1}, {668, 51}}));
        QCOMPARE(ground[1].points, (std::vector<Point>{{142, 238}, {274, 306}}));
        QCOMPARE(ground[2].points, (std::vector<Point>{{707, 466}, {897, 578}}));
        QVERIFY(ground[2].points[1].x <= kRight); // the last grid line stays whole
        QCOMPARE(c.text("Orvella, S.A.P.I. de C.V.").order, ground[0].order + 2);
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

        // X: 9 ticks 5 apart, 104 pixels per step.
        const auto xTicks = linesMatching(c, -1, kBottom, -1, kBottom + 5);
        QCOMPARE(xs(xTicks), (QList<int>{66, 170, 274, 378, 482, 586, 690, 794, 898}));
        for (const Line& l : xTicks) {
            QCOMPARE(l.to.x, l.from.x);
            QCOMPARE(l.pen.style, PenStyle::Solid);
        }
        // The labels start two pixels below the end of the 5-pixel marks.
        QCOMPARE(position(c.text("80")), QString("60,628"));
        QCOMPARE(position(c.text("85")), QString("164,628"));
        QCOMPARE(position(c.text("120")), QString("889,628"));

        // Y: 145..235 in 19 ticks, the first on the X axis and the last on the top edge.
        const auto yTicks = linesMatching(c, kLeft - 5, -1, kLeft, -1);
        QCOMPARE(yTicks.size(), std::size_t{19});
        QCOMPARE(yTicks.front().from.y, kBottom);
        QCOMPARE(yTicks.back().from.y, kTop);
        QCOMPARE(yTicks[9].from.y, kBottom - 282); // 190: 45 · 563/90 = 281.5, to even
        QCOMPARE(position(c.text("145")), QString("38,615"));
        QCOMPARE(position(c.text("235")), QString("38,52"));
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

    // The lines of curve 1 (the data: none) and curve 2 (the fitted line, solid), each joined
    // from its first point's centre; after the texts, the markers of curve 1 (triangles), then
    // those of curve 2 (circles).
    void curves() {
        RegressionChartOnCanvas chart;
        chart.draw();
        const RecordingCanvas& c = chart.canvas;
        const auto triangles = c.shapesOf(Shape::Polygon);
        const auto circles = c.shapesOf(Shape::Ellipse);
        QCOMPARE(triangles.size(), std::size_t{10});
        QCOMPARE(circles.size(), std::size_t{10});
        QVERIFY(triangles.back().order < circles.front().order);
        QVERIFY(grounds(c).back().order < triangles.front().order);

        // The curve lines are the last 20 lines: 10 clear, then 10 solid, the first of each
        // of zero length.
        const std::vector<Line> last(c.lines.end() - 20, c.lines.end());
        for (int i = 0; i < 10; ++i)
            QCOMPARE(last[static_cast<std::size_t>(i)].pen.style, PenStyle::Clear);
        for (int i = 10; i < 20; ++i)
            QCOMPARE(last[static_cast<std::size_t>(i)].pen.style, PenStyle::Solid);
        QCOMPARE(last[10].from, last[10].to);
        QCOMPARE(last[10].to, (Point{kLeft, kBottom - 31})); // (80, 150): 5 · 563/90 = 31.3
        QCOMPARE(last[19].to, (Point{kRight, kTop + 31}));   // (120, 230)
        QVERIFY(last[19].order < grounds(c).front().order);
    }

    // As many points as a study holds are drawn; one more is refused, and the chart says so
    // over its top-left corner until it is cleared.
    void everyObservationDrawn() {
        const Study study = test::studyOf150();
        Plot plot = filledChart(PlotKind::Regression, study);
        QCOMPARE(plot.model().curve(1).count, 150);
        QCOMPARE(plot.model().curve(2).count, 150);
        RecordingCanvas c;
        plot.RedrawPlot(c, 960, 742, study, '.');
        QCOMPARE(c.shapesOf(Shape::Polygon).size(), std::size_t{150});
        QCOMPARE(c.shapesOf(Shape::Ellipse).size(), std::size_t{150});
        QVERIFY(c.textsEqual("Limite de datos excedido").empty());

        plot.model().AddPoint(1, 5, 5);
        QCOMPARE(plot.model().curve(1).count, 150);
        plot.model().LimitsKnown = false;
        c.clear();
        plot.RedrawPlot(c, 960, 742, study, '.');
        const Text& message = c.text("Limite de datos excedido");
        QCOMPARE(position(message), QString("10,10"));
        QCOMPARE(message.order, c.log.size() - 1); // over everything
        QVERIFY(grounds(c).back().order < message.order);

        plot.model().ClearPlot();
        QVERIFY(plot.model().Message.empty());
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
        QCOMPARE(plot.geometry(), (PlotGeometry{464, 586, 2707, 1846, 39, 53, 9, 19, 2509, 1195,
                                                2238, 78, 6, 5, 10, 566}));
        QCOMPARE(page.shapesOf(Shape::Rectangle).size(), grounds(page).size());
        QCOMPARE(page.text("Orvella, S.A.P.I. de C.V.").y, 401);
        QCOMPARE(page.text("Orvella, S.A.P.I. de C.V.").font.height, 53);
        QCOMPARE(plot.model().YMin, 140.0);
        QCOMPARE(page.text("140").x, 464 - 10 - 3 * 39 / 2);

        // The first data point (80, 149) and its fitted value (80, 150): 9 and 10 steps of
        // 1847/95 pixels up from the axis.
        const int bottom = 585 + 1847;
        QCOMPARE(page.shapesOf(Shape::Polygon).front().points,
                 (std::vector<Point>{{464, bottom - 175 - 9},
                                     {455, bottom - 175 + 6},
                                     {473, bottom - 175 + 6},
                                     {464, bottom - 175 - 9}}));
        QCOMPARE(page.shapesOf(Shape::Ellipse).front().points,
                 (std::vector<Point>{{455, bottom - 194 - 9}, {473, bottom - 194 + 9}}));

        // A second print rounds again from what the first left: 140 is an even multiple.
        plot.PrintPlot(page, 3300, 2550, study, '.');
        QCOMPARE(plot.model().YMin, 140.0);
        // The screen starts from the stored limits again.
        screen.draw();
        QCOMPARE(plot.model().YMin, 145.0);
    }

    // On a printer of 600 dots per inch the tick marks and the gap before the Y tick labels are
    // as long as on the screen, six times as many pixels; the labels still start clear of the
    // marks.
    void printedTicksAsOnTheScreen() {
        RegressionChartOnCanvas screen;
        screen.draw();
        RecordingCanvas page(600);
        screen.plot.PrintPlot(page, 6600, 4800, screen.study, '.');
        const PlotGeometry& g = screen.plot.geometry();
        QCOMPARE(g.TickLength, 30);
        QCOMPARE(g.YTickLabelGap, 60);
        const int bottom = g.PlotTop + g.PlotHeight;
        QCOMPARE(linesMatching(page, -1, bottom, -1, bottom + 30).size(), std::size_t{9});
        QCOMPARE(linesMatching(page, g.PlotLeft - 30, -1, g.PlotLeft, -1).size(), std::size_t{20});
        const Text& first = page.text("80");
        QVERIFY(first.y >= bottom + 30 + 12);
        const Text& lowest = page.text("140");
        QCOMPARE(lowest.x + RecordingCanvas::codePoints("140") * g.TextSize / 2, g.PlotLeft - 60);
    }

    void residualsFrame() {
        Plot plot(PlotKind::Residuals);
        fillResiduals(plot.model());
        plot.model().Title = "Lote 7";
        RecordingCanvas c;
        // A perfect fit would stop the regression chart; the residuals chart does not refit.
        const Study perfect = test::study({1, 1, 1}, {"1", "2", "3"}, {"2", "4", "6"});
        plot.RedrawPlot(c, 1000, 660, perfect, '.');

        QCOMPARE(c.text("Orvella, S.A.P.I. de C.V.").y, 1);
        QCOMPARE(c.text("Análisis de Residuales").y, 49);
        QCOMPARE(c.text("Lote 7").y, 65);
        QCOMPARE(c.text("Realizó ____________________ ").y, 540);
        QCOMPARE(c.text("Revisó ____________________ ").y, 564);
        for (const auto& t : c.texts)
            QVERIFY2(t.text.rfind("Y = ", 0) != 0 && t.text.rfind("Sx/y", 0) != 0 &&
                         t.text.rfind("CVx/y", 0) != 0 && t.text.rfind("(r^2)", 0) != 0,
                     t.text.c_str());
        // Five header lines above the plot area.
        QCOMPARE(plot.geometry().PlotTop, 1 + 5 * 16 + 6 + 2 + 1);

        // Y from -2 to 2.5 in halves, the zero line on the tick 0.
        const int left = plot.geometry().PlotLeft;
        QStringList yLabels;
        for (const auto& t : c.texts)
            if (t.x + c.codePoints(t.text) * 6 == left - 10)
                yLabels << QString::fromStdString(t.text);
        QCOMPARE(yLabels,
                 (QStringList{"-2", "-1.5", "-1", "-0.5", "0", "0.5", "1", "1.5", "2", "2.5"}));
        const auto yTicks = linesMatching(c, left - 5, -1, left, -1);
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
