#include "core/charts/Plot.h"

#include "core/charts/AxisLabel.h"
#include "core/charts/DrawMarker.h"
#include "core/charts/LineStyle.h"
#include "core/stats/CalculaRegresion.h"
#include "core/stats/CheckedArithmetic.h"

#include <algorithm>

namespace linealidad {

using arithmetic::checked;
using arithmetic::divide;

namespace {

// A pixel offset from a value in axis units: rounded half to even, and held within what a
// device's integer coordinates take (a point far outside typed limits still lies off the plot,
// in the same direction).
int pixels(double units) {
    constexpr double limit = 1 << 24;
    return static_cast<int>(std::clamp(nearest(checked(units)), -limit, limit));
}

// The UTF-8 text split into its characters.
std::vector<std::string> characters(const std::string& text) {
    std::vector<std::string> result;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        while (i + length < text.size() &&
               (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80)
            ++length;
        result.push_back(text.substr(i, length));
        i += length;
    }
    return result;
}

// The next tick, or false when the axis is done. Ticks continue up to a fifth of a step past
// the upper limit, so accumulated error does not lose the last one; a step that cannot move
// the tick (a degenerate or reversed axis) ends the axis at its first tick.
bool nextTick(double& t, const AxisScale& scale, double upper) {
    const double next = t + scale.step;
    if (!(next > t))
        return false;
    t = next;
    return t <= upper + scale.step / 5;
}

} // namespace

void Plot::RedrawPlot(Canvas& canvas, int width, int height, const Study& study, char decimal) {
    if (!model_.LimitsKnown)
        model_.FindLimits();
    model_.RestoreSaved();
    const PlotRect R{0, 0, width, height};
    PlotLayout(canvas, R);
    canvas.setBrush(BrushStyle::Solid, colors::white);
    canvas.setPen(PenStyle::Solid, colors::black);
    canvas.rectangle(0, 0, width, height);
    DrawFrame(canvas, R, study, decimal);
    DrawCurves(canvas, R);
}

void Plot::PrintPlot(Canvas& canvas, int pageWidth, int pageHeight, const Study& study,
                     char decimal) {
    const PlotRect R{250, 400, pageWidth, pageHeight};
    PlotLayout(canvas, R);
    DrawFrame(canvas, R, study, decimal);
    DrawCurves(canvas, R);
}

void Plot::PlotLayout(Canvas& canvas, const PlotRect& R) {
    geometry_ = linealidad::PlotLayout(canvas, R, model_);
}

void Plot::DrawFrame(Canvas& canvas, const PlotRect& R, const Study& study, char decimal) {
    if (kind_ == PlotKind::Regression) {
        bool zeroSlope = false;
        CalculaRegresion(study, decimal, regression_, zeroSlope);
    }
    canvas.setPen(PenStyle::Solid, colors::black);
    setFontHeight(canvas, geometry_.HeadSize);
    drawHeader(canvas, R);
    setFontHeight(canvas, geometry_.TextSize);
    drawStudyBlock(canvas, R, study);
    if (kind_ == PlotKind::Regression) {
        setFontHeight(canvas, geometry_.HeadSize);
        drawStatistics(canvas, R, decimal);
    }
    setFontHeight(canvas, geometry_.TextSize);
    drawAxisLabels(canvas, R);
    drawAxes(canvas);

    setFontHeight(canvas, geometry_.TextSize);
    const AxisScale y = NiceScale(model_.YMin, model_.YMax);
    const AxisScale x = NiceScale(model_.XMin, model_.XMax);
    const double sx = scaleX();
    const double sy = scaleY();
    drawXTicks(canvas, x, sx, decimal);
    drawYTicks(canvas, y, sy, decimal);
}

void Plot::drawHeader(Canvas& canvas, const PlotRect& R) {
    const std::vector<std::string> lines = headerLines(kind_, model_.Title);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::string& text = lines[k];
        const int th = canvas.textHeight(text);
        const int y = k == 0 ? R.top + 1 : R.top + static_cast<int>(k) * th;
        canvas.textOut(geometry_.PlotLeft + (geometry_.PlotWidth - canvas.textWidth(text)) / 2, y,
                       text);
    }
}

void Plot::drawStudyBlock(Canvas& canvas, const PlotRect& R, const Study& study) {
    const std::vector<std::string> lines = studyBlockLines(kind_, study);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::string& text = lines[k];
        const int th = canvas.textHeight(text);
        const int lift = 16 - 2 * static_cast<int>(k); // 16, 14, 12, 10, 8 lines up
        canvas.textOut(geometry_.PlotLeft + geometry_.PlotWidth - canvas.textWidth(text),
                       R.bottom - lift * th, text);
    }
}

void Plot::drawStatistics(Canvas& canvas, const PlotRect& R, char decimal) {
    const std::vector<std::string> lines = statisticsLines(regression_, decimal);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::string& text = lines[k];
        const int th = canvas.textHeight(text);
        canvas.textOut(geometry_.PlotLeft + (geometry_.PlotWidth - canvas.textWidth(text)) / 9,
                       R.top + (15 + static_cast<int>(k)) * th, text);
    }
}

// The X label centred under the axis; the Y label written downwards, one character a line,
// in the left margin.
void Plot::drawAxisLabels(Canvas& canvas, const PlotRect& R) {
    if (!model_.XLabel.empty()) {
        const std::string& text = model_.XLabel;
        canvas.textOut(geometry_.PlotLeft + (geometry_.PlotWidth - canvas.textWidth(text)) / 2,
                       R.bottom - canvas.textHeight(text), text);
    }
    if (!model_.YLabel.empty()) {
        const std::vector<std::string> letters = characters(model_.YLabel);
        const int hj = canvas.textHeight("j");
        const int start = ((R.bottom - R.top) - hj * static_cast<int>(letters.size())) / 2;
        for (std::size_t i = 0; i < letters.size(); ++i) {
            const int x = R.left + (geometry_.PlotLeft - R.left - canvas.textWidth(letters[i])) / 3;
            canvas.textOut(x, geometry_.PlotTop + start + static_cast<int>(i) * hj, letters[i]);
        }
    }
}

// The X axis along the bottom and the Y axis along the left of the plot area; no border.
void Plot::drawAxes(Canvas& canvas) {
    const PlotGeometry& g = geometry_;
    canvas.setPen(PenStyle::Solid, colors::black);
    canvas.moveTo(g.PlotLeft, g.PlotTop + g.PlotHeight);
    canvas.lineTo(g.PlotLeft + g.PlotWidth, g.PlotTop + g.PlotHeight);
    canvas.moveTo(g.PlotLeft, g.PlotTop + g.PlotHeight);
    canvas.lineTo(g.PlotLeft, g.PlotTop);
}

double Plot::scaleX() const {
    return divide(geometry_.PlotWidth, checked(model_.XMax - model_.XMin));
}

double Plot::scaleY() const {
    return divide(geometry_.PlotHeight, checked(model_.YMax - model_.YMin));
}

// Each tick: a 5-pixel mark below the axis, a grid line up the plot area in the grid's pen,
// and its label centred under the mark.
void Plot::drawXTicks(Canvas& canvas, const AxisScale& scale, double sx, char decimal) {
    const PlotGeometry& g = geometry_;
    const int bottom = g.PlotTop + g.PlotHeight;
    double t = scale.firstTick;
    do {
        const int px = g.PlotLeft + pixels((t - model_.XMin) * sx);
        canvas.moveTo(px, bottom);
        canvas.lineTo(px, bottom + 5);
        canvas.setPen(penStyleFor(model_.Grid), colors::black);
        canvas.moveTo(px, bottom);
        canvas.lineTo(px, g.PlotTop);
        canvas.setPen(PenStyle::Solid, colors::black);
        const std::string label = AxisLabel(t, decimal);
        canvas.textOut(px - canvas.textWidth(label) / 2, bottom + canvas.textHeight(label) / 2,
                       label);
    } while (nextTick(t, scale, model_.XMax));
}

// Each tick: a 5-pixel mark left of the axis, a grid line across the plot area, and its label
// right-aligned 10 pixels left of the axis, centred on the tick.
void Plot::drawYTicks(Canvas& canvas, const AxisScale& scale, double sy, char decimal) {
    const PlotGeometry& g = geometry_;
    double t = scale.firstTick;
    do {
        const int py = g.PlotTop + g.PlotHeight - pixels((t - model_.YMin) * sy);
        canvas.moveTo(g.PlotLeft - 5, py);
        canvas.lineTo(g.PlotLeft, py);
        canvas.setPen(penStyleFor(model_.Grid), colors::black);
        canvas.moveTo(g.PlotLeft, py);
        canvas.lineTo(g.PlotLeft + g.PlotWidth, py);
        canvas.setPen(PenStyle::Solid, colors::black);
        const std::string label = AxisLabel(t, decimal);
        canvas.textOut(g.PlotLeft - 10 - canvas.textWidth(label), py - canvas.textHeight(label) / 2,
                       label);
    } while (nextTick(t, scale, model_.YMax));
}

// Each curve in number order: its points joined in its line style from the first point's
// centre, with its marker on every point.
void Plot::DrawCurves(Canvas& canvas, const PlotRect&) {
    const PlotGeometry& g = geometry_;
    canvas.setBrush(BrushStyle::Solid, colors::black);
    setFontHeight(canvas, g.TextSize);
    for (const Curve& curve : model_.Curves) {
        const int count = std::min(curve.count, kPointsPerCurve);
        if (count < 1)
            continue;
        const double sx = scaleX();
        const double sy = scaleY();
        const auto pixel = [&](const PlotPoint& p) {
            return Point{g.PlotLeft + pixels((p.x - model_.XMin) * sx),
                         g.PlotTop + g.PlotHeight - pixels((p.y - model_.YMin) * sy)};
        };
        const Point first = pixel(curve.points[0]);
        canvas.moveTo(first.x, first.y);
        for (int i = 0; i < count; ++i) {
            const Point p = pixel(curve.points[static_cast<std::size_t>(i)]);
            canvas.setPen(penStyleFor(curve.lineStyle), colors::black);
            canvas.lineTo(p.x, p.y);
            canvas.setPen(PenStyle::Solid, colors::black);
            DrawMarker(canvas, p.x, p.y, curve.marker, g.MarkSize);
        }
    }
}

} // namespace linealidad
