#include "core/charts/ChartModel.h"
#include "core/charts/LineStyle.h"
#include "core/charts/Plot.h"
#include "core/charts/PlotOptions.h"
#include "core/text/Errors.h"
#include "support/RecordingCanvas.h"
#include "support/TestCharts.h"
#include "support/TestStudies.h"

#include <QtTest>

using namespace linealidad;
using test::fillRegression;
using test::RecordingCanvas;
using test::studyOfFive;

namespace {

// Everything one chart keeps, for comparing it before and after work on the other one.
bool sameState(const Plot& a, const Plot& b) {
    const ChartModel& m = a.model();
    const ChartModel& n = b.model();
    return m.Grid == n.Grid && m.Curves == n.Curves && m.XMin == n.XMin && m.XMax == n.XMax &&
           m.YMin == n.YMin && m.YMax == n.YMax && m.XLabel == n.XLabel && m.YLabel == n.YLabel &&
           m.Title == n.Title && m.LimitsKnown == n.LimitsKnown &&
           m.StoredLimits == n.StoredLimits && m.SavedCurves == n.SavedCurves &&
           a.geometry() == b.geometry();
}

} // namespace

class TestChartModel : public QObject {
    Q_OBJECT
private slots:
    void clearPlotEmptiesButKeepsTitleAndLabels() {
        ChartModel m;
        fillRegression(m);
        m.Title = "Lote 7";
        m.Grid = 3;
        m.FindLimits();
        m.ClearPlot();
        QCOMPARE(m.Grid, std::uint8_t{0});
        QVERIFY(!m.LimitsKnown);
        for (int c = 1; c <= kCurves; ++c) {
            QCOMPARE(m.curve(c).count, 0);
            QCOMPARE(m.curve(c).points[0], PlotPoint{});
        }
        QCOMPARE(m.XMin, 1.0e30);
        QCOMPARE(m.YMin, 1.0e30);
        QCOMPARE(m.XMax, -1.0e30);
        QCOMPARE(m.YMax, -1.0e30);
        QCOMPARE(m.Title, std::string("Lote 7"));
        QCOMPARE(m.XLabel, std::string("mg"));
        // The styles belong to the opening command, which sets them again.
        QCOMPARE(m.curve(2).lineStyle, std::uint8_t{3});
    }

    void addPointAndFindLimits() {
        ChartModel m;
        fillRegression(m);
        QCOMPARE(m.curve(2).count, 10);
        QCOMPARE(m.curve(1).count, 10);
        QCOMPARE(m.curve(1).points[1], (PlotPoint{80, 151}));
        QCOMPARE(m.curve(1).marker, std::uint8_t{4});
        QCOMPARE(m.curve(2).lineStyle, std::uint8_t{3});
        m.FindLimits();
        QVERIFY(m.LimitsKnown);
        QCOMPARE(m.StoredLimits, (ChartLimits{80, 149, 120, 231}));
        QCOMPARE(m.XMin, 80.0);
        QCOMPARE(m.YMax, 231.0);
        QVERIFY(m.SavedCurves == m.Curves);

        // A drawing scales the model's limits and curves; the next one starts from the saved.
        m.XMin = 0;
        m.Curves[0].count = 0;
        m.RestoreSaved();
        QCOMPARE(m.XMin, 80.0);
        QCOMPARE(m.curve(1).count, 10);
    }

    // A curve holds as many points as a study can have; beyond them, and for a curve number
    // outside 1..4, nothing is stored and the model keeps the message for the window.
    void pointLimitAndCurveNumbers() {
        ChartModel m;
        m.ClearPlot();
        for (int i = 1; i <= 150; ++i)
            m.AddPoint(3, i, -i);
        QCOMPARE(m.curve(3).count, 150);
        QVERIFY(m.Message.empty());
        for (int i = 151; i <= 155; ++i)
            m.AddPoint(3, i, -i);
        QCOMPARE(m.curve(3).count, 150);
        QCOMPARE(m.curve(3).points[149], (PlotPoint{150, -150}));
        QCOMPARE(m.Message, std::string("Limite de datos excedido"));
        m.FindLimits();
        QCOMPARE(m.StoredLimits, (ChartLimits{1, -150, 150, -1})); // the refused points not counted

        m.AddPoint(0, 1, 1);
        QCOMPARE(m.Message, std::string("Curva fuera de intervalo."));
        m.Message.clear();
        m.AddPoint(5, 1, 1);
        QCOMPARE(m.Message, std::string("Curva fuera de intervalo."));
        // Styles for a curve that does not exist go nowhere.
        const CurveSet before = m.Curves;
        m.SetMarker(5, 1);
        m.SetLineStyle(0, 3);
        QVERIFY(m.Curves == before);

        m.ClearPlot(); // the next opening starts without the message
        QVERIFY(m.Message.empty());
    }

    void gridCaptionsAndPens() {
        QCOMPARE(gridCaptions()[0], std::string("Ninguno"));
        QCOMPARE(gridCaptions()[3], std::string("Fuerte"));
        QCOMPARE(penStyleFor(0), PenStyle::Clear);
        QCOMPARE(penStyleFor(1), PenStyle::Dot);
        QCOMPARE(penStyleFor(2), PenStyle::Dash);
        QCOMPARE(penStyleFor(3), PenStyle::Solid);
    }

    // The dialog shows the limits of the last drawing, after the axis rounding.
    void optionsShowRoundedLimits() {
        test::RegressionChartOnCanvas chart;
        chart.plot.model().Title = "Lote 7";
        chart.draw();
        const PlotOptions o = optionsFromChart(chart.plot.model());
        QCOMPARE(o.TitleEdit, std::string("Lote 7"));
        QCOMPARE(o.XLblEdit, std::string("mg"));
        QCOMPARE(o.YLblEdit, std::string("Área"));
        QCOMPARE(o.XMinEdit, std::string("80"));
        QCOMPARE(o.YMinEdit, std::string("145"));
        QCOMPARE(o.XMaxEdit, std::string("120"));
        QCOMPARE(o.YMaxEdit, std::string("235"));
        QCOMPARE(o.ReferenceGroup, 0);

        ChartModel m;
        m.XMin = -2;
        m.XMax = 2.5;
        m.YMin = 1.0 / 3;
        QCOMPARE(optionsFromChart(m, ',').XMaxEdit, std::string("2,5"));
        QCOMPARE(optionsFromChart(m, ',').YMinEdit, std::string("0,333333333333333"));
    }

    void optionsOkCopiesBackAndRedraws() {
        test::RegressionChartOnCanvas chart(',');
        chart.draw();

        PlotOptions o = optionsFromChart(chart.plot.model(), ',');
        o.TitleEdit = "Lote 7";
        o.XLblEdit = "µg";
        o.YLblEdit = "";
        o.XMinEdit = "1";
        o.XMaxEdit = "99";
        o.YMinEdit = "140,5";
        o.ReferenceGroup = 2;
        applyOptions(chart.plot.model(), o, ',');
        const ChartModel& m = chart.plot.model();
        QCOMPARE(m.Title, std::string("Lote 7"));
        QCOMPARE(m.XLabel, std::string("µg"));
        QCOMPARE(m.YLabel, std::string());
        QCOMPARE(m.StoredLimits, (ChartLimits{1, 140.5, 99, 235}));
        QCOMPARE(m.Grid, std::uint8_t{2});

        // The next drawing starts from the typed limits and rounds them: 1..99 becomes 0..100.
        chart.draw();
        QCOMPARE(m.XMin, 0.0);
        QCOMPARE(m.XMax, 100.0);
        QCOMPARE(optionsFromChart(m, ',').XMaxEdit, std::string("100"));
        QCOMPARE(m.StoredLimits.XMin, 1.0); // the stored ones stay as typed
    }

    void optionsBadLimitStopsMidway() {
        ChartModel m;
        fillRegression(m);
        m.FindLimits();
        m.Grid = 1;
        PlotOptions o = optionsFromChart(m);
        o.TitleEdit = "Nuevo";
        o.XLblEdit = "X";
        o.YLblEdit = "Y";
        o.XMinEdit = "70";
        o.YMinEdit = "1,5"; // the separator is '.'
        o.XMaxEdit = "130";
        o.ReferenceGroup = 3;
        try {
            applyOptions(m, o);
            QFAIL("a limit that is not a number must stop the copy");
        } catch (const ConversionError& e) {
            QCOMPARE(std::string(e.what()),
                     std::string("'1,5' is not a valid floating point value"));
        }
        QCOMPARE(m.Title, std::string("Nuevo"));
        QCOMPARE(m.YLabel, std::string("Y"));
        QCOMPARE(m.StoredLimits, (ChartLimits{70, 149, 120, 231}));
        QCOMPARE(m.Grid, std::uint8_t{1});
    }

    // A chart opened, given a title, closed and opened again keeps the title; its grid is back
    // to "Ninguno".
    void titleOutlivesReopening() {
        ChartModel m;
        fillRegression(m);
        m.FindLimits();
        PlotOptions o = optionsFromChart(m);
        o.TitleEdit = "Validación 2026";
        o.ReferenceGroup = 3;
        applyOptions(m, o);
        m.ClearPlot();     // closing
        fillRegression(m); // reopening
        QCOMPARE(m.Title, std::string("Validación 2026"));
        QCOMPARE(m.Grid, std::uint8_t{0});
        QVERIFY(!m.LimitsKnown);
    }

    // Drawing, scaling and options on one chart leave the other as it was, both ways.
    void chartsKeepSeparateState() {
        Plot regression(PlotKind::Regression);
        Plot residuals(PlotKind::Residuals);
        const Study study = studyOfFive();
        fillRegression(regression.model());
        ChartModel& r = residuals.model();
        r.ClearPlot();
        for (int v = 80; v <= 120; v += 10)
            r.AddPoint(2, v, 0);
        r.AddPoint(1, 80, -1.8);
        r.AddPoint(1, 120, 2.1);
        RecordingCanvas canvas;
        residuals.RedrawPlot(canvas, 507, 330, study, '.');

        const Plot residualsBefore = residuals;
        regression.RedrawPlot(canvas, 900, 600, study, '.');
        PlotOptions o = optionsFromChart(regression.model());
        o.TitleEdit = "Solo la regresión";
        o.XMinEdit = "0";
        o.ReferenceGroup = 3;
        applyOptions(regression.model(), o);
        regression.RedrawPlot(canvas, 900, 600, study, '.');
        canvas.clear();
        regression.PrintPlot(canvas, 3300, 2550, study, '.');
        QVERIFY(sameState(residuals, residualsBefore));

        const Plot regressionBefore = regression;
        PlotOptions p = optionsFromChart(residuals.model());
        p.YMaxEdit = "5";
        p.ReferenceGroup = 1;
        applyOptions(residuals.model(), p);
        residuals.RedrawPlot(canvas, 300, 200, study, '.');
        residuals.model().ClearPlot();
        QVERIFY(sameState(regression, regressionBefore));
        QCOMPARE(regression.regression().Pendiente, regressionBefore.regression().Pendiente);
    }
};

QTEST_APPLESS_MAIN(TestChartModel)
#include "tst_chartmodel.moc"
