#include "core/charts/PlotLayout.h"

namespace linealidad {

void setFontHeight(Canvas& canvas, int height) {
    Font font = canvas.font();
    font.height = height;
    canvas.setFont(font);
}

PlotGeometry PlotLayout(Canvas& canvas, const PlotRect& R, const ChartModel& model) {
    PlotGeometry g;
    const int h = R.bottom - R.top;
    g.TextSize = h / 55;
    g.HeadSize = h / 40;
    g.MarkSize = g.TextSize / 4;

    Font font = canvas.font();
    font.name = "Arial";
    font.height = g.TextSize;
    font.color = colors::black;
    canvas.setFont(font);

    // Room on the left for the Y tick labels (and the vertical Y label), on the right for the
    // last X tick label, above for the header, below for the X tick labels and the X label.
    g.PlotLeft = R.left + canvas.textWidth(" ###.##");
    g.PlotTop = R.top + 4;
    g.PlotWidth = R.right - R.left - canvas.textWidth("#######") - 90;
    g.PlotHeight = h - 2 * g.TextSize - 10;
    if (!model.YLabel.empty()) {
        g.PlotLeft += 2 * g.TextSize;
        g.PlotWidth -= canvas.textWidth("###.##");
    }
    if (!model.Title.empty()) {
        g.PlotTop += 2 * g.TextSize;
        g.PlotHeight -= 2 * g.TextSize;
    }
    if (!model.XLabel.empty())
        g.PlotHeight -= g.TextSize;
    return g;
}

} // namespace linealidad
