#include "core/charts/Plot.h"

#include "core/CutToWidth.h"
#include "core/charts/AxisLabel.h"
#include "core/charts/DrawMarker.h"
#include "core/charts/LineStyle.h"
#include "core/stats/CalculaRegresion.h"
#include "core/stats/CheckedArithmetic.h"
#include "core/stats/StudyObservations.h"

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

// The left edge of a text `width` wide that wants to start at `x`, moved between `lo` and `hi`
// when it would cross one of them; a text wider than that starts at `lo`.
int between(int x, int width, int lo, int hi) {
    return std::max(std::min(x, hi - width), lo);
}

// The same within the drawing rectangle.
int inside(int x, int width, const PlotRect& R) {
    return between(x, width, R.left + kEdgeClearance, R.right - kEdgeClearance);
}

// The width a text may take across the drawing rectangle.
int widthInside(const PlotRect& R) {
    return R.right - R.left - 2 * kEdgeClearance;
}

struct PlacedText {
    int x = 0;
    int y = 0;
    std::string text;
};

// A tick label and the stretch of its axis it takes, from `from` to `to` (exclusive).
struct TickLabel {
    int x = 0;
    int y = 0;
    std::string text;
    int from = 0;
    int to = 0;
};

bool apart(const TickLabel& a, const TickLabel& b) {
    return a.to <= b.from || b.to <= a.from;
}

// Every tick is labelled while the labels keep apart; on an axis too crowded for that (a small
// window, texts at the floor) every second tick is, or every third, and so on, always from the
// first, so the labels that stay are evenly spaced.
void drawTickLabels(Canvas& canvas, const std::vector<TickLabel>& labels) {
    std::size_t stride = 1;
    const auto fits = [&](std::size_t k) {
        for (std::size_t i = k; i < labels.size(); i += k)
            if (!apart(labels[i - k], labels[i]))
                return false;
        return true;
    };
    while (stride < labels.size() && !fits(stride))
        ++stride;
    for (std::size_t i = 0; i < labels.size(); i += stride)
        canvas.textOut(labels[i].x, labels[i].y, labels[i].text);
}

// Texts in the current font on one opaque white ground reaching `padding` round them (within
// the rectangle, so the outline stays whole), so no line behind them runs through a letter.
void drawOnGround(Canvas& canvas, const std::vector<PlacedText>& texts, int padding,
                  const PlotRect& R) {
    if (texts.empty())
        return;
    int left = R.right, top = R.bottom, right = R.left, bottom = R.top;
    for (const PlacedText& t : texts) {
        left = std::min(left, t.x);
        top = std::min(top, t.y);
        right = std::max(right, t.x + canvas.textWidth(t.text));
        bottom = std::max(bottom, t.y + canvas.textHeight(t.text));
    }
    canvas.setPen(PenStyle::Clear, colors::white);
    canvas.setBrush(BrushStyle::Solid, colors::white);
    canvas.rectangle(std::max(R.left + 1, left - padding), std::max(R.top + 1, top - padding),
                     std::min(R.right - 1, right + padding),
                     std::min(R.bottom - 1, bottom + padding));
    canvas.setPen(PenStyle::Solid, colors::black);
    for (const PlacedText& t : texts)
        canvas.textOut(t.x, t.y, t.text);
}

} // namespace

void Plot::RedrawPlot(Canvas& canvas, int width, int height, const Study& study, char decimal) {
    if (!model_.LimitsKnown)
        model_.FindLimits();
    model_.RestoreSaved();
    const PlotRect R{0, 0, width, height};
    PlotLayout(canvas, R, decimal);
    canvas.setBrush(BrushStyle::Solid, colors::white);
    canvas.setPen(PenStyle::Solid, colors::black);
    canvas.rectangle(0, 0, width, height);
    drawChart(canvas, R, study, decimal);
    drawMessage(canvas, R);
}

void Plot::PrintPlot(Canvas& canvas, int pageWidth, int pageHeight, const Study& study,
                     char decimal) {
    const PlotRect R{250, 400, pageWidth, pageHeight};
    PlotLayout(canvas, R, decimal);
    drawChart(canvas, R, study, decimal);
}

void Plot::drawChart(Canvas& canvas, const PlotRect& R, const Study& study, char decimal) {
    DrawFrame(canvas, R, study, decimal);
    DrawCurves(canvas, R);
    DrawTexts(canvas, R, study, decimal);
    DrawMarkers(canvas, R);
}

void Plot::PlotLayout(Canvas& canvas, const PlotRect& R, char decimal) {
    geometry_ = linealidad::PlotLayout(canvas, R, model_, kind_, textFloor_, decimal);
}

void Plot::DrawFrame(Canvas& canvas, const PlotRect& R, const Study& study, char decimal) {
    if (kind_ == PlotKind::Regression) {
        bool zeroSlope = false;
        CalculaRegresion(readObservations(study, decimal), regression_, zeroSlope);
    }
    canvas.setPen(PenStyle::Solid, colors::black);
    setFontHeight(canvas, geometry_.TextSize);
    drawAxisLabels(canvas, R);
    drawAxes(canvas);

    const AxisScale y = NiceScale(model_.YMin, model_.YMax);
    const AxisScale x = NiceScale(model_.XMin, model_.XMax);
    const double sx = scaleX();
    const double sy = scaleY();
    drawXTicks(canvas, R, x, sx, decimal);
    drawYTicks(canvas, y, sy, decimal);
}

void Plot::DrawTexts(Canvas& canvas, const PlotRect& R, const Study& study, char decimal) {
    canvas.setPen(PenStyle::Solid, colors::black);
    setFontHeight(canvas, geometry_.HeadSize);
    drawHeader(canvas, R);
    if (kind_ == PlotKind::Regression)
        drawStatistics(canvas, R, decimal);
    setFontHeight(canvas, geometry_.TextSize);
    drawStudyBlock(canvas, R, study);
}

// Centred over the plot area, one header line under the other from the top edge down.
void Plot::drawHeader(Canvas& canvas, const PlotRect& R) {
    std::vector<PlacedText> placed;
    const std::vector<std::string> lines = headerLines(kind_, model_.LabName, model_.Title);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::string text = cutToWidth(canvas, lines[k], widthInside(R));
        const int th = canvas.textHeight(text);
        const int w = canvas.textWidth(text);
        const int y = R.top + 1 + static_cast<int>(k) * th;
        placed.push_back(
            {inside(geometry_.PlotLeft + (geometry_.PlotWidth - w) / 2, w, R), y, text});
    }
    drawOnGround(canvas, placed, geometry_.Padding, R);
}

// Right-aligned on the plot area's right edge (its ground just short of the edge, so the last
// grid line stays whole), the lines the layout's pitch apart, the last one at its place. A line
// longer than the plot area is wide starts clear of the Y axis and runs into the right margin.
void Plot::drawStudyBlock(Canvas& canvas, const PlotRect& R, const Study& study) {
    std::vector<PlacedText> placed;
    const std::vector<std::string> lines = studyBlockLines(kind_, study);
    const auto count = static_cast<int>(lines.size());
    const int right = geometry_.PlotLeft + geometry_.PlotWidth - geometry_.Padding - 1;
    const int left = geometry_.PlotLeft + geometry_.Padding + 1;
    for (int k = 0; k < count; ++k) {
        const std::string text =
            cutToWidth(canvas, lines[static_cast<std::size_t>(k)], R.right - kEdgeClearance - left);
        const int w = canvas.textWidth(text);
        const int y = geometry_.StudyLastLine - (count - 1 - k) * geometry_.StudyLinePitch;
        placed.push_back({between(right - w, w, left, R.right - kEdgeClearance), y, text});
    }
    drawOnGround(canvas, placed, geometry_.Padding, R);
}

// Each line a ninth of its free width into the plot area, one under the other.
void Plot::drawStatistics(Canvas& canvas, const PlotRect& R, char decimal) {
    std::vector<PlacedText> placed;
    const std::vector<std::string> lines = statisticsLines(regression_, decimal);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::string& text = lines[k];
        const int th = canvas.textHeight(text);
        const int w = canvas.textWidth(text);
        placed.push_back(
            {between(geometry_.PlotLeft + (geometry_.PlotWidth - w) / 9, w,
                     geometry_.PlotLeft + geometry_.Padding + 1, R.right - kEdgeClearance),
             geometry_.StatisticsTop + static_cast<int>(k) * th, text});
    }
    drawOnGround(canvas, placed, geometry_.Padding, R);
}

// What PlotMessage reported (a curve number out of range, points beyond a curve's capacity),
// over the chart so it is seen.
void Plot::drawMessage(Canvas& canvas, const PlotRect& R) {
    if (model_.Message.empty())
        return;
    setFontHeight(canvas, geometry_.TextSize);
    drawOnGround(canvas, {{R.left + 10, R.top + 10, model_.Message}}, geometry_.Padding, R);
}

// The X label centred under the axis; the Y label written downwards, one character a line,
// a third of the way into the left margin and centred on the plot area.
void Plot::drawAxisLabels(Canvas& canvas, const PlotRect& R) {
    const PlotGeometry& g = geometry_;
    if (!model_.XLabel.empty()) {
        const std::string text = cutToWidth(canvas, model_.XLabel, widthInside(R));
        const int w = canvas.textWidth(text);
        canvas.textOut(inside(g.PlotLeft + (g.PlotWidth - w) / 2, w, R), g.XLabelTop, text);
    }
    if (!model_.YLabel.empty()) {
        // The letters stay above the X label's line; a label too long for that height is cut.
        const int hj = canvas.textHeight("j");
        const int bottom = model_.XLabel.empty() ? R.bottom : g.XLabelTop;
        const std::vector<std::string> letters =
            verticalLetters(model_.YLabel, lettersDown(R.top, bottom, hj));
        const int height = hj * static_cast<int>(letters.size());
        int top =
            std::min(g.PlotTop + (g.PlotHeight - height) / 2, bottom - kEdgeClearance - height);
        top = std::max(top, R.top + kEdgeClearance);
        for (std::size_t i = 0; i < letters.size(); ++i) {
            const int x = R.left + (g.PlotLeft - R.left - canvas.textWidth(letters[i])) / 3;
            canvas.textOut(x, top + static_cast<int>(i) * hj, letters[i]);
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

Point Plot::pixel(const PlotPoint& p, double sx, double sy) const {
    const PlotGeometry& g = geometry_;
    return Point{g.PlotLeft + pixels((p.x - model_.XMin) * sx),
                 g.PlotTop + g.PlotHeight - pixels((p.y - model_.YMin) * sy)};
}

// Each tick: a mark below the axis, a grid line up the plot area in the grid's pen, and its
// label centred under the mark, starting clear of it.
void Plot::drawXTicks(Canvas& canvas, const PlotRect& R, const AxisScale& scale, double sx,
                      char decimal) {
    const PlotGeometry& g = geometry_;
    const int bottom = g.PlotTop + g.PlotHeight;
    std::vector<TickLabel> labels;
    for (double t : axisTicks(scale, model_.XMax)) {
        const int px = g.PlotLeft + pixels((t - model_.XMin) * sx);
        canvas.moveTo(px, bottom);
        canvas.lineTo(px, bottom + g.TickLength);
        canvas.setPen(penStyleFor(model_.Grid), colors::black);
        canvas.moveTo(px, bottom);
        canvas.lineTo(px, g.PlotTop);
        canvas.setPen(PenStyle::Solid, colors::black);
        std::string text = AxisLabel(t, decimal);
        const int w = canvas.textWidth(text);
        const int x = inside(px - w / 2, w, R);
        // Neighbouring labels keep half a text line apart, so two numbers never read as one.
        labels.push_back({x, bottom + g.TickLabelGap, std::move(text), x, x + w + g.TextSize / 2});
    }
    drawTickLabels(canvas, labels);
}

// Each tick: a mark left of the axis, a grid line across the plot area, and its label
// right-aligned short of the axis, centred on the tick.
void Plot::drawYTicks(Canvas& canvas, const AxisScale& scale, double sy, char decimal) {
    const PlotGeometry& g = geometry_;
    std::vector<TickLabel> labels;
    for (double t : axisTicks(scale, model_.YMax)) {
        const int py = g.PlotTop + g.PlotHeight - pixels((t - model_.YMin) * sy);
        canvas.moveTo(g.PlotLeft - g.TickLength, py);
        canvas.lineTo(g.PlotLeft, py);
        canvas.setPen(penStyleFor(model_.Grid), colors::black);
        canvas.moveTo(g.PlotLeft, py);
        canvas.lineTo(g.PlotLeft + g.PlotWidth, py);
        canvas.setPen(PenStyle::Solid, colors::black);
        std::string text = AxisLabel(t, decimal);
        const int th = canvas.textHeight(text);
        const int x = g.PlotLeft - g.YTickLabelGap - canvas.textWidth(text);
        const int y = py - th / 2;
        labels.push_back({x, y, std::move(text), y, y + th});
    }
    drawTickLabels(canvas, labels);
}

// Each curve's points joined in its line style, from the first point's centre.
void Plot::DrawCurves(Canvas& canvas, const PlotRect&) {
    const double sx = scaleX();
    const double sy = scaleY();
    for (const Curve& curve : model_.Curves) {
        const int count = std::min(curve.count, kPointsPerCurve);
        if (count < 1)
            continue;
        const Point first = pixel(curve.points[0], sx, sy);
        canvas.moveTo(first.x, first.y);
        canvas.setPen(penStyleFor(curve.lineStyle), colors::black);
        for (int i = 0; i < count; ++i) {
            const Point p = pixel(curve.points[static_cast<std::size_t>(i)], sx, sy);
            canvas.lineTo(p.x, p.y);
        }
        canvas.setPen(PenStyle::Solid, colors::black);
    }
}

void Plot::DrawMarkers(Canvas& canvas, const PlotRect&) {
    const double sx = scaleX();
    const double sy = scaleY();
    canvas.setPen(PenStyle::Solid, colors::black);
    canvas.setBrush(BrushStyle::Solid, colors::black);
    setFontHeight(canvas, geometry_.TextSize);
    for (const Curve& curve : model_.Curves) {
        const int count = std::min(curve.count, kPointsPerCurve);
        for (int i = 0; i < count; ++i) {
            const Point p = pixel(curve.points[static_cast<std::size_t>(i)], sx, sy);
            DrawMarker(canvas, p.x, p.y, curve.marker, geometry_.MarkSize);
        }
    }
}

} // namespace linealidad
