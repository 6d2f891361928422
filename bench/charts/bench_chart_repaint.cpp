// The cost of one repaint of the regression chart of the largest study a file may hold (150
// observations) on a full-HD window: the chart's paint handler refits the study and draws the
// frame and both curves through the core Plot on a CanvasQt, here over an image of the format
// a window's backing store has. (A curve holds 55 points, as in the program: the chart shows the
// first 55 observations, the fit uses all 150.)

#include "LargeStudy.h"
#include "OffscreenBenchmarks.h"

#include "core/charts/ChartFill.h"
#include "core/charts/Plot.h"
#include "core/stats/CalculaRegresion.h"
#include "core/stats/StudyObservations.h"
#include "gui/common/CanvasQt.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

using namespace linealidad;

namespace {

// The regression chart's content as its window fills it.
void fillChart(ChartModel& model, const Study& study) {
    const Observations data = readObservations(study, '.');
    ResultadosRegresion R;
    bool zeroSlope = false;
    CalculaRegresion(data, R, zeroSlope);
    model.ClearPlot();
    fillRegressionChart(model, study, data, R);
}

void RegressionChartRepaint(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const Study study = bench::largeStudy();
    Plot plot(PlotKind::Regression);
    fillChart(plot.model(), study);
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
    return linealidad::bench::runOffscreenBenchmarks<QGuiApplication>(argc, argv);
}
