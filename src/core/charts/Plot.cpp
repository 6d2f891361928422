#include "core/charts/Plot.h"

#include "core/CutToWidth.h"
#include "core/charts/AxisLabel.h"
#include "core/charts/DrawMarker.h"
#include "core/charts/LineStyle.h"
#include "core/stats/CalculaRegresion.h"
#include "core/stats/CheckedArithmetic.h"
#include "core/stats/StudyObservations.h"
#include "core/text/Errors.h"

#include <algorithm>

namespace linealidad {

using arithmetic::checked;
using arithmetic::divide;

namespace {

// A plot area less high than this many small text lines is no chart: the blocks of text do not
// go under it.
constexpr int kFewestPlotLines = 4;

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

// The opaque white ground a block of texts in the current font lies on: reaching `padding`
// round them, within the rectangle so its outline stays whole.
PixelBox groundOf(Canvas& canvas, const std::vector<PlacedText>& texts, int padding,
                  const PlotRect& R) {
    int left = R.right, top = R.bottom, right = R.left, bottom = R.top;
    for (const PlacedText& t : texts) {
        left = std::min(left, t.x);
        top = std::min(top, t.y);
        right = std::max(right, t.x + canvas.textWidth(t.text));
        bottom = std::max(bottom, t.y + canvas.textHeight(t.text));
    }
    return {std::max(R.left + 1, left - padding), std::max(R.top + 1, top - padding),
            std::min(R.right - 1, right + padding), std::min(R.bottom - 1, bottom + padding)};
}

// Texts in the current font on one opaque white ground, so no line behind them runs through a
// letter.
void drawOnGround(Canvas& canvas, const std::vector<PlacedText>& texts, int padding,
                  const PlotRect& R) {
    if (texts.empty())
        return;
    const PixelBox ground = groundOf(canvas, texts, padding, R);
    canvas.setPen(PenStyle::Clear, colors::white);
    canvas.setBrush(BrushStyle::Solid, colors::white);
    canvas.rectangle(ground.left, ground.top, ground.right, ground.bottom);
    canvas.setPen(PenStyle::Solid, colors::black);
    for (const PlacedText& t : texts)
        canvas.textOut(t.x, t.y, t.text);
}

// Moves a block of texts so that its ground, now `from`, becomes `to`.
void moveBlock(std::vector<PlacedText>& texts, const PixelBox& from, const PixelBox& to) {
    for (PlacedText& t : texts) {
        t.x += to.left - from.left;
        t.y += to.top - from.top;
    }
}

// The statistics where the layout puts them, in the header font: each line a ninth of its free
// width into the plot area, one under the other.
std::vector<PlacedText> statisticsTexts(Canvas& canvas, const PlotGeometry& g, const PlotRect& R,
                                        const std::vector<std::string>& lines) {
    std::vector<PlacedText> placed;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::string& text = lines[k];
        const int th = canvas.textHeight(text);
        const int w = canvas.textWidth(text);
        placed.push_back({between(g.PlotLeft + (g.PlotWidth - w) / 9, w, g.PlotLeft + g.Padding + 1,
                                  R.right - kEdgeClearance),
                          g.StatisticsTop + static_cast<int>(k) * th, text});
    }
    return placed;
}

// The study block where the layout puts it, in the small font: right-aligned on the plot area's
// right edge (its ground just short of the edge, so the last grid line stays whole), the lines
// `pitch` apart, the last one at its place. A line longer than the plot area is wide starts
// clear of the Y axis and runs into the right margin.
std::vector<PlacedText> studyTexts(Canvas& canvas, const PlotGeometry& g, const PlotRect& R,
                                   const std::vector<std::string>& lines, int pitch) {
    std::vector<PlacedText> placed;
    const auto count = static_cast<int>(lines.size());
    const int right = g.PlotLeft + g.PlotWidth - g.Padding - 1;
    const int left = g.PlotLeft + g.Padding + 1;
    for (int k = 0; k < count; ++k) {
        const std::string text =
            cutToWidth(canvas, lines[static_cast<std::size_t>(k)], R.right - kEdgeClearance - left);
        const int w = canvas.textWidth(text);
        const int y = g.StudyLastLine - (count - 1 - k) * pitch;
        placed.push_back({between(right - w, w, left, R.right - kEdgeClearance), y, text});
    }
    return placed;
}

// The corners of the plot area a block of text may move to.
enum class Corner { TopLeft, TopRight, BottomLeft, BottomRight };

// A block's ground where the layout puts it, then in the corners of `plot` in the order given
// (a block wider than the plot area keeps to its left edge).
std::vector<PixelBox> placesFor(const PixelBox& home, const PixelBox& plot,
                                std::initializer_list<Corner> corners) {
    std::vector<PixelBox> places{home};
    for (const Corner corner : corners) {
        const bool left = corner == Corner::TopLeft || corner == Corner::BottomLeft;
        const bool top = corner == Corner::TopLeft || corner == Corner::TopRight;
        places.push_back(
            home.movedTo(left ? plot.left : std::max(plot.left, plot.right - home.width()),
                         top ? plot.top : plot.bottom - home.height()));
    }
    return places;
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
    // The study's numbers are read and fitted once a frame, before anything of the frame is
    // drawn: a fault ends the drawing there, as the frame reports it.
    if (kind_ == PlotKind::Regression) {
        bool zeroSlope = false;
        CalculaRegresion(readObservations(study, decimal), regression_, zeroSlope);
    }
    PlaceTexts(canvas, R, study, decimal);
    DrawFrame(canvas, R, decimal);
    DrawCurves(canvas, R);
    DrawTexts(canvas, R, study, decimal);
    DrawMarkers(canvas, R);
}

void Plot::PlotLayout(Canvas& canvas, const PlotRect& R, char decimal) {
    geometry_ = linealidad::PlotLayout(canvas, R, model_, kind_, textFloor_, decimal);
    places_ = {};
}

// The blocks stay where the layout puts them when that leaves every line and marker in sight;
// otherwise they move to corners of the plot area that do, or under the plot area: the study
// block, then the statistics, then both. A chart the frame cannot draw (limits that make no
// axis) keeps them where the layout puts them, for the frame to report the fault; so does a
// rectangle too small for any of those places, where the markers are drawn over the texts' grounds.
void Plot::PlaceTexts(Canvas& canvas, const PlotRect& R, const Study& study, char decimal) {
    places_ = {};
    if (!marksToKeepClear())
        return;
    BlockLines lines;
    lines.study = studyBlockLines(kind_, study);
    if (kind_ == PlotKind::Regression)
        lines.statistics = statisticsLines(regression_, decimal);
    const PlotGeometry laidOut = geometry_;
    for (const Under under : {Under::None, Under::Study, Under::Statistics, Under::Both}) {
        if (tryPlaces(canvas, R, lines, under, decimal))
            return;
        geometry_ = laidOut;
        places_ = {};
    }
}

// The grounds of the blocks where the layout puts them, the study lines `pitch` apart and the
// statistics in a font `statisticsFont` high (the layout's pitch and the header's font when 0);
// a chart without statistics has an empty ground for them.
Plot::BlockGrounds Plot::groundsAtHome(Canvas& canvas, const PlotRect& R, const BlockLines& lines,
                                       int pitch, int statisticsFont) {
    const PlotGeometry& g = geometry_;
    BlockGrounds grounds;
    setFontHeight(canvas, statisticsFont > 0 ? statisticsFont : g.HeadSize);
    if (!lines.statistics.empty())
        grounds.statistics =
            groundOf(canvas, statisticsTexts(canvas, g, R, lines.statistics), g.Padding, R);
    setFontHeight(canvas, g.TextSize);
    const int step = pitch > 0 ? pitch : g.StudyLinePitch;
    grounds.study = groundOf(canvas, studyTexts(canvas, g, R, lines.study, step), g.Padding, R);
    return grounds;
}

// The blocks `under` names go under the X label, in the small font with the study lines closed
// up, the chart laid out again to leave them that room; the others take a place in the plot
// area clear of the curves. False when a place fails.
bool Plot::tryPlaces(Canvas& canvas, const PlotRect& R, const BlockLines& lines, Under under,
                     char decimal) {
    const bool hasStatistics = !lines.statistics.empty();
    const bool statisticsUnder =
        hasStatistics && (under == Under::Statistics || under == Under::Both);
    const bool studyUnder = under == Under::Study || under == Under::Both;
    setFontHeight(canvas, geometry_.TextSize);
    const int pitch = studyUnder ? canvas.textHeight("Ag") : 0;
    const int statisticsFont = statisticsUnder ? geometry_.TextSize : 0;
    BlockGrounds home = groundsAtHome(canvas, R, lines, pitch, statisticsFont);
    const BlockGrounds below{statisticsUnder ? home.statistics : PixelBox{},
                             studyUnder ? home.study : PixelBox{}};
    const bool sideBySide = below.statistics.width() + geometry_.TextSize + below.study.width() <=
                            R.right - kEdgeClearance - (geometry_.PlotLeft + 1);
    const int room = sideBySide ? std::max(below.statistics.height(), below.study.height())
                                : below.statistics.height() + below.study.height();
    if (room > 0) {
        geometry_ = linealidad::PlotLayout(canvas, R, model_, kind_, textFloor_, decimal, room);
        if (geometry_.PlotHeight < kFewestPlotLines * geometry_.TextSize)
            return false;
        home = groundsAtHome(canvas, R, lines, pitch, statisticsFont);
    }
    const std::optional<ChartMarks> marks = marksToKeepClear();
    if (!marks)
        return false;
    placeUnderPlot(below, room, sideBySide, R);
    if (!placeInPlotArea(home, hasStatistics && !statisticsUnder, !studyUnder, R, *marks))
        return false;
    places_.studyPitch = pitch;
    places_.statisticsFont = statisticsFont;
    return true;
}

// Under the X label, in the `room` the layout left: the statistics at the left under the plot
// area and the study block at the right, side by side or one under the other. Blocks with an
// empty ground stay where they are.
void Plot::placeUnderPlot(const BlockGrounds& below, int room, bool sideBySide, const PlotRect& R) {
    const int left = geometry_.PlotLeft + 1;
    const int right = R.right - kEdgeClearance;
    const int top = R.bottom - kEdgeClearance - room;
    if (below.statistics.width() > 0)
        places_.statistics = below.statistics.movedTo(left, top);
    if (below.study.width() > 0)
        places_.study = below.study.movedTo(std::max(left, right - below.study.width()),
                                            sideBySide ? top : top + below.statistics.height());
}

// The blocks named take a place in the plot area clear of the curves: the study block where the
// layout puts it or in the bottom left, top right or top left corner; the statistics where the
// layout puts them or in the top left, top right, bottom left or bottom right corner, clear of
// the study block too. A block may reach into the right margin, where no curve runs.
bool Plot::placeInPlotArea(const BlockGrounds& home, bool statistics, bool study, const PlotRect& R,
                           const ChartMarks& marks) {
    const PlotGeometry& g = geometry_;
    const PixelBox plot{g.PlotLeft + 1, g.PlotTop + 1, g.PlotLeft + g.PlotWidth,
                        g.PlotTop + g.PlotHeight};
    const PixelBox area{plot.left, plot.top, R.right - 1, plot.bottom};
    using C = Corner;
    std::vector<PixelBox> taken;
    if (study) {
        places_.study = firstClearPlace(
            placesFor(home.study, plot, {C::BottomLeft, C::TopRight, C::TopLeft}), area, marks);
        if (!places_.study)
            return false;
        taken.push_back(*places_.study);
    }
    if (statistics) {
        places_.statistics =
            firstClearPlace(placesFor(home.statistics, plot,
                                      {C::TopLeft, C::TopRight, C::BottomLeft, C::BottomRight}),
                            area, marks, taken);
        if (!places_.statistics)
            return false;
    }
    return true;
}

std::optional<ChartMarks> Plot::marksToKeepClear() const {
    try {
        ChartLimits rounded{model_.XMin, model_.YMin, model_.XMax, model_.YMax};
        NiceScale(rounded.YMin, rounded.YMax);
        NiceScale(rounded.XMin, rounded.XMax);
        const double sx = divide(geometry_.PlotWidth, checked(rounded.XMax - rounded.XMin));
        const double sy = divide(geometry_.PlotHeight, checked(rounded.YMax - rounded.YMin));
        ChartMarks marks;
        marks.reach = std::max(1, geometry_.TickLength / kTickLength);
        const int m = geometry_.MarkSize + marks.reach;
        for (const Curve& curve : model_.Curves) {
            const int count = std::min(curve.count, kPointsPerCurve);
            for (int i = 0; i < count; ++i) {
                const Point p = pixel(curve.points[static_cast<std::size_t>(i)], rounded, sx, sy);
                marks.markers.push_back({p.x - m, p.y - m, p.x + m + 1, p.y + m + 1});
                if (i > 0 && curve.lineStyle != kNoLine) {
                    const PlotPoint& before = curve.points[static_cast<std::size_t>(i - 1)];
                    marks.segments.emplace_back(pixel(before, rounded, sx, sy), p);
                }
            }
        }
        return marks;
    } catch (const Fault&) {
        return std::nullopt;
    }
}

void Plot::DrawFrame(Canvas& canvas, const PlotRect& R, char decimal) {
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

void Plot::drawStudyBlock(Canvas& canvas, const PlotRect& R, const Study& study) {
    const int pitch = places_.studyPitch > 0 ? places_.studyPitch : geometry_.StudyLinePitch;
    std::vector<PlacedText> placed =
        studyTexts(canvas, geometry_, R, studyBlockLines(kind_, study), pitch);
    if (places_.study)
        moveBlock(placed, groundOf(canvas, placed, geometry_.Padding, R), *places_.study);
    drawOnGround(canvas, placed, geometry_.Padding, R);
}

void Plot::drawStatistics(Canvas& canvas, const PlotRect& R, char decimal) {
    setFontHeight(canvas, places_.statisticsFont > 0 ? places_.statisticsFont : geometry_.HeadSize);
    std::vector<PlacedText> placed =
        statisticsTexts(canvas, geometry_, R, statisticsLines(regression_, decimal));
    if (places_.statistics)
        moveBlock(placed, groundOf(canvas, placed, geometry_.Padding, R), *places_.statistics);
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
// a third of the way into the left margin and centred on the plot area; a label longer than
// the chart is high goes on in further columns to the right.
void Plot::drawAxisLabels(Canvas& canvas, const PlotRect& R) {
    const PlotGeometry& g = geometry_;
    if (!model_.XLabel.empty()) {
        // Beside a Y label the X label keeps right of the axis, clear of the Y label's letters.
        const int left = model_.YLabel.empty() ? R.left + kEdgeClearance : g.PlotLeft;
        const int right = R.right - kEdgeClearance;
        const std::string text = cutToWidth(canvas, model_.XLabel, right - left);
        const int w = canvas.textWidth(text);
        canvas.textOut(between(g.PlotLeft + (g.PlotWidth - w) / 2, w, left, right), g.XLabelTop,
                       text);
    }
    if (!model_.YLabel.empty()) {
        const VerticalLabel label = verticalLabel(canvas, R, g, model_.YLabel);
        const int hj = label.letterHeight;
        std::size_t tallest = 0;
        for (const auto& column : label.columns)
            tallest = std::max(tallest, column.size());
        const int height = hj * static_cast<int>(tallest);
        int top =
            std::min(g.PlotTop + (g.PlotHeight - height) / 2, R.bottom - kEdgeClearance - height);
        top = std::max(top, g.HeaderBottom);
        const int margin = g.PlotLeft - R.left - label.width + label.widest;
        for (std::size_t c = 0; c < label.columns.size(); ++c) {
            const auto& letters = label.columns[c];
            for (std::size_t i = 0; i < letters.size(); ++i) {
                const int x = R.left + (margin - canvas.textWidth(letters[i])) / 3 +
                              static_cast<int>(c) * label.pitch;
                canvas.textOut(x, top + static_cast<int>(i) * hj, letters[i]);
            }
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
    return pixel(p, ChartLimits{model_.XMin, model_.YMin, model_.XMax, model_.YMax}, sx, sy);
}

Point Plot::pixel(const PlotPoint& p, const ChartLimits& limits, double sx, double sy) const {
    const PlotGeometry& g = geometry_;
    return Point{g.PlotLeft + pixels((p.x - limits.XMin) * sx),
                 g.PlotTop + g.PlotHeight - pixels((p.y - limits.YMin) * sy)};
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
