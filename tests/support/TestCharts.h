#pragma once

#include "core/charts/ChartModel.h"
#include "core/charts/Plot.h"
#include "core/study/Study.h"
#include "support/RecordingCanvas.h"

namespace linealidad::test {

// Five levels of two replicates at X = 80..120, each pair one unit either side of Y = 2X - 10:
// m = 2, b = -10, Sx/y = sqrt(1.25), CV = 0.588 %, r² = 8000/8010.
Study studyOfFive();

// The largest study a file holds: 10 levels of 15 replicates, 150 observations at X = 10, 20,
// ..., 100 scattered round Y = 2X + 1, with long general-information texts.
Study studyOf150();

// A chart of `kind` filled from `study` as its command fills it.
Plot filledChart(PlotKind kind, const Study& study);

// The regression chart as its command fills it from studyOfFive: the fitted line as curve 2,
// the data as curve 1.
void fillRegression(ChartModel& m);

// The regression chart of studyOfFive, filled by fillRegression, ready to draw on a recording
// canvas of 96 pixels per inch the size of a paint box (1000 x 660 unless changed: large
// enough for the texts to stand at their proportional size, above the floor).
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
    int width = 1000;
    int height = 660;
};

} // namespace linealidad::test
