#include "core/charts/PlotLayout.h"

#include "core/charts/AxisLabel.h"
#include "core/charts/NiceScale.h"

#include <algorithm>
#include <cmath>

namespace linealidad {
namespace {

void setArial(Canvas& canvas, int height) {
    Font font = canvas.font();
    font.name = "Arial";
    font.height = height;
    font.color = colors::black;
    canvas.setFont(font);
}

// The cell height of "Arial" whose characters stand `points` high at the canvas's resolution;
// 0 when there is no floor.
int floorCell(Canvas& canvas, double points) {
    if (!(points > 0))
        return 0;
    const long pixels = std::lround(points * canvas.pixelsPerInch() / 72.0);
    setArial(canvas, -static_cast<int>(std::max(1L, pixels)));
    return canvas.textHeight("Ag");
}

int widest(Canvas& canvas, const std::vector<std::string>& texts) {
    int width = 0;
    for (const std::string& t : texts)
        width = std::max(width, canvas.textWidth(t));
    return width;
}

// Left: the Y tick labels end short of the axis; the vertical Y label (its columns) stands a
// third of the way into the margin and must clear them. The margin is widened (and the plot
// narrowed by as much) only when the widest label needs it. Right: room for the last X tick label.
void placeAcross(PlotGeometry& g, Canvas& canvas, const PlotRect& R, const ChartModel& model,
                 char decimal) {
    int left = canvas.textWidth(" ###.##");
    int width = R.right - R.left - canvas.textWidth("#######") - 90;
    const int tickRoom =
        g.YTickLabelGap + widest(canvas, yTickLabels(model, decimal)) + kEdgeClearance;
    int needed = tickRoom;
    if (!model.YLabel.empty()) {
        left += 2 * g.TextSize;
        width -= canvas.textWidth("###.##");
        needed = verticalLabel(canvas, R, g, model.YLabel).width + (3 * tickRoom + 1) / 2;
    }
    if (needed > left) {
        width -= needed - left;
        left = needed;
    }
    g.PlotLeft = R.left + left;
    g.PlotWidth = width;
}

// Top: below the header, room for the upper half of the top Y tick label, so neither the grid
// nor the label runs into the header. Bottom: the X tick labels clear of their marks, then the
// X label clear of the outline. Returns the plot area's bottom.
int placeDown(PlotGeometry& g, const PlotRect& R, const ChartModel& model, int line,
              int screenPixel, int roomBelow) {
    const int bottom = R.bottom - kEdgeClearance - roomBelow;
    g.PlotTop = g.HeaderBottom + line / 2 + 1;
    g.TickLabelGap = std::max(line / 2, g.TickLength + kEdgeClearance * screenPixel);
    g.XLabelTop = bottom - line;
    const int labelsEnd = model.XLabel.empty() ? bottom : g.XLabelTop - line / 2;
    const int plotBottom = labelsEnd - line - g.TickLabelGap;
    g.PlotHeight = plotBottom - g.PlotTop;
    return plotBottom;
}

// The statistics start fifteen header lines down and the study block ends eight text lines
// up, lines of the proportional size, with a blank line between study lines; both stay inside
// the plot area. Texts raised to the floor need more height than those places leave: then the
// study lines close up (down to no blank line) and the statistics move up to stay above them.
void placeBlocks(PlotGeometry& g, const PlotRect& R, PlotKind kind, int headUnit, int textUnit,
                 int headLine, int line, int plotBottom) {
    const int highest = g.PlotTop + g.Padding;
    g.StudyLastLine = std::min(R.bottom - 8 * textUnit, plotBottom - line - g.Padding - 1);
    const int statistics = kind == PlotKind::Regression ? kStatisticsLines * headLine : 0;
    const int apart = statistics > 0 ? 2 * g.Padding + 1 : 0; // between the two grounds
    const int room = g.StudyLastLine - highest - statistics - apart;
    g.StudyLinePitch = std::clamp(room / (kStudyBlockLines - 1), line, 2 * line);
    const int studyTop = g.StudyLastLine - (kStudyBlockLines - 1) * g.StudyLinePitch;
    const int lowest = studyTop - apart - statistics;
    g.StatisticsTop = std::max(std::min(R.top + 15 * headUnit, lowest), highest);
}

} // namespace

void setFontHeight(Canvas& canvas, int height) {
    Font font = canvas.font();
    font.height = height;
    canvas.setFont(font);
}

// Between the header and the bottom edge, as many characters a column as fit.
VerticalLabel verticalLabel(Canvas& canvas, const PlotRect& R, const PlotGeometry& g,
                            const std::string& label) {
    VerticalLabel v;
    v.letterHeight = canvas.textHeight("j");
    v.columns = verticalColumns(label, (R.bottom - kEdgeClearance - g.HeaderBottom) /
                                           std::max(1, v.letterHeight));
    for (const auto& column : v.columns)
        v.widest = std::max(v.widest, widest(canvas, column));
    // Columns a line's height apart, so each reads as a column of its own.
    v.pitch = v.widest + v.letterHeight;
    v.width = v.widest + static_cast<int>(v.columns.size() - 1) * v.pitch;
    return v;
}

std::vector<std::string> yTickLabels(const ChartModel& model, char decimal) {
    double lower = model.YMin;
    double upper = model.YMax;
    const AxisScale scale = NiceScale(lower, upper);
    std::vector<std::string> labels;
    for (double t : axisTicks(scale, upper))
        labels.push_back(AxisLabel(t, decimal));
    return labels;
}

PlotGeometry PlotLayout(Canvas& canvas, const PlotRect& R, const ChartModel& model, PlotKind kind,
                        double floorPoints, char decimal, int roomBelow) {
    PlotGeometry g;
    const int h = R.bottom - R.top;
    // The sizes in proportion to the height; a small rectangle raises the texts to the floor and
    // the header with them, so it stays larger than the small texts.
    const int textUnit = h / 55;
    const int headUnit = h / 40;
    g.TextSize = std::max(textUnit, floorCell(canvas, floorPoints));
    g.HeadSize = std::max(headUnit, g.TextSize * 11 / 8);
    g.MarkSize = g.TextSize / 4;
    g.Padding = std::max(2, g.TextSize / 6);
    const int screenPixel =
        std::max(1, static_cast<int>(std::lround(canvas.pixelsPerInch() / 96.0)));
    g.TickLength = kTickLength * screenPixel;
    g.YTickLabelGap = kYTickLabelGap * screenPixel;

    setArial(canvas, g.HeadSize);
    const int headLine = canvas.textHeight("Ag");
    setArial(canvas, g.TextSize);
    const int line = canvas.textHeight("Ag");
    const auto headerRows = static_cast<int>(headerLines(kind, model.LabName, model.Title).size());
    g.HeaderBottom = R.top + 1 + headerRows * headLine + g.Padding;

    placeAcross(g, canvas, R, model, decimal);
    const int plotBottom = placeDown(g, R, model, line, screenPixel, roomBelow);
    placeBlocks(g, R, kind, headUnit, textUnit, headLine, line, plotBottom);
    return g;
}

} // namespace linealidad
