#pragma once

#include "core/charts/ChartModel.h"
#include "core/charts/Plot.h"
#include "core/study/Study.h"
#include "support/RecordingCanvas.h"

namespace linealidad::test {

// Five levels of two replicates at X = 80..120, each pair one unit either side of Y = 2X - 10:
// m = 2, b = -10, Sx/y = sqrt(1.25), CV = 0.588 %, r² = 8000/8010.
Study studyOfFive();

// The regression chart as its command fills it from studyOfFive: the fitted line as curve 2,
// the data as curve 1.
void fillRegression(ChartModel& m);

// The regression chart of studyOfFive, filled by fillRegression, ready to draw on a recording
// canvas the size of the chart window's paint box (629 x 330).
struct RegressionChartOnCanvas {
    explicit RegressionChartOnCanvas(char decimal = '.');
    // Draws `study` on the canvas, cleared first.
    void draw();
    // Types X limits into the options dialog and presses OK.
    void typeXLimits(const std::string& min, const std::string& max);

    Plot plot{PlotKind::Regression};
    Study study = studyOfFive();
    RecordingCanvas canvas;
    char decimal;
};

} // namespace linealidad::test
