#pragma once

#include "core/canvas.h"
#include "core/charts/ChartModel.h"
#include "core/charts/ClearPlace.h"
#include "core/charts/NiceScale.h"
#include "core/charts/PlotLayout.h"
#include "core/charts/PlotTexts.h"
#include "core/stats/Results.h"
#include "core/study/Study.h"

#include <optional>

namespace linealidad {

// One chart with all of its state: the model, the geometry of its last layout and, for the
// regression chart, its own copy of the regression results. The regression and residuals
// charts are two instances; drawing or editing one never touches the other.
//
// Drawing reads the study (the regression chart refits it at every frame) and may throw the
// faults of the engine and of the scaling (ArithmeticError, ConversionError); what was drawn
// before the fault stays drawn.
class Plot {
public:
    explicit Plot(PlotKind kind) : kind_(kind) {}

    PlotKind kind() const { return kind_; }
    ChartModel& model() { return model_; }
    const ChartModel& model() const { return model_; }
    const PlotGeometry& geometry() const { return geometry_; }
    // The chart's own results; after a zero slope only slope and intercept are refreshed.
    const ResultadosRegresion& regression() const { return regression_; }

    // Where the last drawing put the statistics and the study block (their grounds): in the
    // plot area clear of the curves' lines and markers, at the places the layout gives them or
    // in a corner; or, when no place there is clear, under the plot area, which then leaves
    // them room.
    struct TextPlaces {
        std::optional<PixelBox> statistics; // none: where the layout puts it
        std::optional<PixelBox> study;
        int studyPitch = 0;     // from one study line to the next; 0: the layout's
        int statisticsFont = 0; // the statistics' font height; 0: the header's
    };

    // The smallest text the chart draws, in points (the window sets the system's small font).
    void setTextFloor(double points) { textFloor_ = points; }
    double textFloor() const { return textFloor_; }

    // The screen drawing of a paint box of the given size: limits from the data the first time
    // after ClearPlot, then from the stored limits; a white field with a black outline, the
    // chart, and the model's message at (10, 10) when it has one.
    void RedrawPlot(Canvas& canvas, int width, int height, const Study& study, char decimal);
    // The print-out on one landscape page: no background, and it starts from the limits the
    // last screen drawing left (so they are rounded once more).
    void PrintPlot(Canvas& canvas, int pageWidth, int pageHeight, const Study& study, char decimal);

    // The steps of a drawing, for a rectangle R of the canvas, in this order. Lines are drawn
    // first, the texts over them on opaque grounds, and the markers last, so no line runs
    // through a text and no text hides an observation; the blocks of text inside the plot area
    // are placed clear of the curves' lines and markers.
    void PlotLayout(Canvas& canvas, const PlotRect& R, char decimal);
    // Chooses the places of the statistics and the study block; may lay the chart out again
    // with room for them under the plot area.
    void PlaceTexts(Canvas& canvas, const PlotRect& R, const Study& study, char decimal);
    // The axes, grid, ticks, tick labels and axis labels; rounds the limits. (The regression
    // chart is refitted before, once a frame.)
    void DrawFrame(Canvas& canvas, const PlotRect& R, char decimal);
    // The lines joining each curve's points, in curve order.
    void DrawCurves(Canvas& canvas, const PlotRect& R);
    // The header, the statistics of the regression chart and the study block.
    void DrawTexts(Canvas& canvas, const PlotRect& R, const Study& study, char decimal);
    // The marker of every point, in curve order.
    void DrawMarkers(Canvas& canvas, const PlotRect& R);

private:
    void drawChart(Canvas& canvas, const PlotRect& R, const Study& study, char decimal);
    // The curves' lines and markers as the frame will place them (the limits rounded as it
    // rounds them); none when the limits make no axis, which the frame then reports.
    std::optional<ChartMarks> marksToKeepClear() const;
    // Which blocks of text a try puts under the plot area.
    enum class Under { None, Study, Statistics, Both };
    struct BlockLines {
        std::vector<std::string> statistics; // none on the residuals chart
        std::vector<std::string> study;
    };
    struct BlockGrounds {
        PixelBox statistics;
        PixelBox study;
    };
    BlockGrounds groundsAtHome(Canvas& canvas, const PlotRect& R, const BlockLines& lines,
                               int pitch, int statisticsFont);
    bool tryPlaces(Canvas& canvas, const PlotRect& R, const BlockLines& lines, Under under,
                   char decimal);
    void placeUnderPlot(const BlockGrounds& below, int room, bool sideBySide, const PlotRect& R);
    bool placeInPlotArea(const BlockGrounds& home, bool statistics, bool study, const PlotRect& R,
                         const ChartMarks& marks);
    void drawHeader(Canvas& canvas, const PlotRect& R);
    void drawStudyBlock(Canvas& canvas, const PlotRect& R, const Study& study);
    void drawStatistics(Canvas& canvas, const PlotRect& R, char decimal);
    void drawMessage(Canvas& canvas, const PlotRect& R);
    void drawAxisLabels(Canvas& canvas, const PlotRect& R);
    void drawAxes(Canvas& canvas);
    void drawXTicks(Canvas& canvas, const PlotRect& R, const AxisScale& scale, double sx,
                    char decimal);
    void drawYTicks(Canvas& canvas, const AxisScale& scale, double sy, char decimal);
    // Pixels per unit along each axis, from the rounded limits.
    double scaleX() const;
    double scaleY() const;
    // The pixel of a point, from the layout and the rounded limits.
    Point pixel(const PlotPoint& p, double sx, double sy) const;
    Point pixel(const PlotPoint& p, const ChartLimits& limits, double sx, double sy) const;

    PlotKind kind_;
    ChartModel model_;
    PlotGeometry geometry_;
    ResultadosRegresion regression_;
    double textFloor_ = kDefaultTextFloorPoints;
    TextPlaces places_;
};

} // namespace linealidad
