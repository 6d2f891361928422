#pragma once

#include "core/canvas.h"
#include "core/charts/ChartModel.h"
#include "core/charts/PlotTexts.h"

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

// Where the plot area and the texts lie in the drawing rectangle and how big texts and markers
// are. The plot area runs from (PlotLeft, PlotTop) to (PlotLeft + PlotWidth,
// PlotTop + PlotHeight).
struct PlotGeometry {
    int PlotLeft = 0;
    int PlotTop = 0;
    int PlotWidth = 0;
    int PlotHeight = 0;
    int TextSize = 0;       // cell height of the small texts
    int HeadSize = 0;       // cell height of the header and statistics
    int MarkSize = 0;       // half-size of a marker
    int TickLabelGap = 0;   // the X tick labels start this far below the axis
    int XLabelTop = 0;      // top of the X axis label
    int StatisticsTop = 0;  // top of the equation, the first statistics line
    int StudyLastLine = 0;  // top of the study block's last line ("Revisó")
    int StudyLinePitch = 0; // from one study line to the next: a blank line between them
    int Padding = 0;        // the opaque ground reaches this far round a block of text
    int TickLength = 0;     // the tick marks, outside the plot area
    int YTickLabelGap = 0;  // the Y tick labels end this far left of the Y axis
    int HeaderBottom = 0;   // the header's ground ends here: the Y label starts below it
    friend bool operator==(const PlotGeometry&, const PlotGeometry&) = default;
};

// The length of the tick marks and how far left of the Y axis its labels end, in pixels of a
// screen of 96 per inch; on a finer device they are as long as on the screen (30 pixels for a
// tick at 600 per inch), as the lines are as wide.
constexpr int kTickLength = 5;
constexpr int kYTickLabelGap = 10;
// Texts keep this far inside the drawing rectangle, clear of the outline drawn on its edge.
constexpr int kEdgeClearance = 2;

// The smallest text a chart draws, in points, unless its window asks for another: texts sized
// in proportion to a small window would be a few pixels high and could not be read.
constexpr double kDefaultTextFloorPoints = 8;

// Sizes the texts from the rectangle's height, never below `floorPoints` (at the canvas's
// resolution), the header and statistics keeping their proportion to the small texts; sets
// the canvas font to black "Arial" of TextSize cell height and places the plot area: below the
// header, with room on the left for the Y tick labels the frame will draw (in the `decimal`
// separator) and the vertical Y label, on the right for the last X tick label, below for the X
// tick labels and the X label. The statistics and the study block keep their places in
// proportion to the height, within the plot area; where the texts stand at the floor and the
// two would meet, the study block closes up its blank lines and the statistics move up.
//
// `roomBelow` pixels at the bottom of the rectangle are left free, under the X label: the
// statistics and the study block go there when no place in the plot area leaves the curves in
// sight.
PlotGeometry PlotLayout(Canvas& canvas, const PlotRect& R, const ChartModel& model, PlotKind kind,
                        double floorPoints = kDefaultTextFloorPoints, char decimal = '.',
                        int roomBelow = 0);

// The canvas font with another cell height.
void setFontHeight(Canvas& canvas, int height);

// The Y axis label written downwards in the canvas's current font, in columns of as many
// characters as the rectangle is high, and how they stand side by side: `pitch` apart, `width`
// across in all, `widest` the widest character.
struct VerticalLabel {
    std::vector<std::vector<std::string>> columns;
    int widest = 0;
    int pitch = 0;
    int width = 0;
    int letterHeight = 0;
};
VerticalLabel verticalLabel(Canvas& canvas, const PlotRect& R, const PlotGeometry& g,
                            const std::string& label);

// The texts of the Y axis ticks for the model's limits, as the frame draws them after rounding.
std::vector<std::string> yTickLabels(const ChartModel& model, char decimal);

} // namespace linealidad
