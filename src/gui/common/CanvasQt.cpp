#include "gui/common/CanvasQt.h"

#include "gui/common/CanvasFont.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygon>

#include <algorithm>

namespace linealidad {
namespace {

QColor colorQt(Color c) {
    return QColor(c.r, c.g, c.b);
}

Qt::PenStyle penStyle(PenStyle style) {
    switch (style) {
    case PenStyle::Solid:
        return Qt::SolidLine;
    case PenStyle::Dash:
        return Qt::DashLine;
    case PenStyle::Dot:
        return Qt::DotLine;
    case PenStyle::Clear:
        return Qt::NoPen;
    }
    return Qt::SolidLine;
}

QString toQString(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

CanvasQt::CanvasQt(QPainter& painter) : painter_(painter) {
    // A screen pixel's width on a printer of 600 dots per inch is six of its pixels.
    penWidth_ = std::max(1, qRound(pixelsPerInch() / 96.0));
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    setPen(PenStyle::Solid, colors::black);
    setBrush(BrushStyle::Solid, colors::white);
    setFont(font_);
}

void CanvasQt::moveTo(int x, int y) {
    position_ = QPoint(x, y);
}

void CanvasQt::lineTo(int x, int y) {
    const QPoint target(x, y);
    if (painter_.pen().style() != Qt::NoPen)
        painter_.drawLine(position_, target);
    position_ = target;
}

QRect CanvasQt::boxOf(int left, int top, int right, int bottom) const {
    // Without a pen the fill covers the box exactly; with one, QPainter adds the pen's width
    // to the right and bottom of the outline.
    const int border = painter_.pen().style() == Qt::NoPen ? 0 : 1;
    return QRect(left, top, std::max(0, right - left - border), std::max(0, bottom - top - border));
}

void CanvasQt::rectangle(int left, int top, int right, int bottom) {
    painter_.drawRect(boxOf(left, top, right, bottom));
}

void CanvasQt::ellipse(int left, int top, int right, int bottom) {
    painter_.drawEllipse(boxOf(left, top, right, bottom));
}

void CanvasQt::polygon(const std::vector<Point>& points) {
    QPolygon polygonShape;
    polygonShape.reserve(static_cast<qsizetype>(points.size()));
    for (const Point& p : points)
        polygonShape << QPoint(p.x, p.y);
    painter_.drawPolygon(polygonShape);
}

void CanvasQt::textOut(int x, int y, const std::string& text) {
    const QPen pen = painter_.pen();
    painter_.setPen(colorQt(font_.color));
    painter_.drawText(QPoint(x, y + QFontMetrics(qfont_, painter_.device()).ascent()),
                      toQString(text));
    painter_.setPen(pen);
}

int CanvasQt::textWidth(const std::string& text) {
    return QFontMetrics(qfont_, painter_.device()).horizontalAdvance(toQString(text));
}

int CanvasQt::textHeight(const std::string&) {
    return QFontMetrics(qfont_, painter_.device()).height();
}

void CanvasQt::setPen(PenStyle style, Color color) {
    QPen pen(colorQt(color));
    pen.setStyle(penStyle(style));
    pen.setWidth(penWidth_);
    painter_.setPen(pen);
}

void CanvasQt::setBrush(BrushStyle style, Color color) {
    painter_.setBrush(style == BrushStyle::Clear ? QBrush(Qt::NoBrush) : QBrush(colorQt(color)));
}

void CanvasQt::setFont(const Font& font) {
    font_ = font;
    qfont_ = qtFont(font, painter_.device());
    painter_.setFont(qfont_);
}

int CanvasQt::pixelsPerInch() const {
    const QPaintDevice* device = painter_.device();
    return device ? device->logicalDpiY() : 96;
}

int CanvasQt::width() const {
    const QPaintDevice* device = painter_.device();
    return device ? device->width() : 0;
}

int CanvasQt::height() const {
    const QPaintDevice* device = painter_.device();
    return device ? device->height() : 0;
}

} // namespace linealidad
