// The cost of one repaint of the regression chart of the largest study a file may hold (150
// observations) on a full-HD window: the chart's paint handler refits the study and draws the
// frame and both curves through the core Plot on a CanvasQt, here over an image of the format
// a window's backing store has. (A curve holds 55 points, as in the program: the chart shows the
// first 55 observations, the fit uses all 150.)

#include "LargeStudy.h"

#include "core/charts/DrawMarker.h"
#include "core/charts/Plot.h"
#include "core/stats/CalculaRegresion.h"
#include "core/stats/Observations.h"
#include "gui/common/CanvasQt.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

using namespace linealidad;

namespace {

// The regression chart's content as its window fills it: curve 2 the fitted value of every
// observation, a solid line with circles; curve 1 the observations, triangles without a line.
void fillRegressionChart(ChartModel& model, const Study& study) {
    ResultadosRegresion R;
    bool zeroSlope = false;
    CalculaRegresion(study, '.', R, zeroSlope);
    model.ClearPlot();
    const int rows = study.stgdatos.rowCount() - 1;
    for (int r = 1; r <= rows; ++r) {
        const double x = readX(study, r, '.');
        model.AddPoint(2, x, R.Pendiente * x + R.Ordenada);
    }
    model.SetLineStyle(2, 3);
    model.SetMarker(2, kCircleMarker);
    for (int r = 1; r <= rows; ++r)
        model.AddPoint(1, readX(study, r, '.'), readY(study, r, '.'));
    model.SetLineStyle(1, 0);
    model.SetMarker(1, kTriangleMarker);
    model.SetXLabel(study.eadicionada);
    model.SetYLabel(study.emedida);
}

void RegressionChartRepaint(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const Study study = bench::largeStudy();
    Plot plot(PlotKind::Regression);
    fillRegressionChart(plot.model(), study);
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        CanvasQt canvas(painter);
        plot.RedrawPlot(canvas, width, height, study, '.');
    }
}
BENCHMARK(RegressionChartRepaint)->Args({1920, 1080})->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
