#pragma once

#include "core/canvas.h"
#include "core/charts/ChartModel.h"

namespace linealidad {

// A drawing rectangle in device pixels: the chart window's paint box, or the printed part of
// a page.
struct PlotRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const PlotRect&, const PlotRect&) = default;
};

// Where the plot area lies in the drawing rectangle and how big texts and markers are. The
// plot area runs from (PlotLeft, PlotTop) to (PlotLeft + PlotWidth, PlotTop + PlotHeight).
struct PlotGeometry {
    int PlotLeft = 0;
    int PlotTop = 0;
    int PlotWidth = 0;
    int PlotHeight = 0;
    int TextSize = 0; // cell height of the small texts
    int HeadSize = 0; // cell height of the header and statistics
    int MarkSize = 0; // half-size of a marker
    friend bool operator==(const PlotGeometry&, const PlotGeometry&) = default;
};

// Sizes the texts from the rectangle's height, sets the canvas font to black "Arial" of
// TextSize cell height and places the plot area, leaving room for the tick labels and for
// the title and axis labels the model has.
PlotGeometry PlotLayout(Canvas& canvas, const PlotRect& R, const ChartModel& model);

// The canvas font with another cell height.
void setFontHeight(Canvas& canvas, int height);

} // namespace linealidad
