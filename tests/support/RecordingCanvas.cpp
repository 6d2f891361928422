#include "support/RecordingCanvas.h"

#include <cstdlib>
#include <stdexcept>

namespace linealidad::test {
namespace {

std::string xy(int x, int y) {
    return std::to_string(x) + "," + std::to_string(y);
}

const char* styleName(PenStyle s) {
    switch (s) {
    case PenStyle::Solid:
        return "solid";
    case PenStyle::Dash:
        return "dash";
    case PenStyle::Dot:
        return "dot";
    case PenStyle::Clear:
        return "clear";
    }
    return "?";
}

} // namespace

int RecordingCanvas::codePoints(const std::string& text) {
    int count = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80)
            ++count;
    return count;
}

std::vector<RecordingCanvas::Shape> RecordingCanvas::shapesOf(ShapeKind kind) const {
    std::vector<Shape> result;
    for (const Shape& s : shapes)
        if (s.kind == kind)
            result.push_back(s);
    return result;
}

std::vector<RecordingCanvas::Text> RecordingCanvas::textsEqual(const std::string& text) const {
    std::vector<Text> result;
    for (const Text& t : texts)
        if (t.text == text)
            result.push_back(t);
    return result;
}

const RecordingCanvas::Text& RecordingCanvas::text(const std::string& text) const {
    for (const Text& t : texts)
        if (t.text == text)
            return t;
    throw std::out_of_range("no text \"" + text + "\" was drawn");
}

void RecordingCanvas::clear() {
    log.clear();
    texts.clear();
    lines.clear();
    shapes.clear();
}

void RecordingCanvas::moveTo(int x, int y) {
    position_ = {x, y};
    log.push_back("moveTo " + xy(x, y));
}

void RecordingCanvas::lineTo(int x, int y) {
    lines.push_back({position_, {x, y}, pen_, log.size()});
    log.push_back("lineTo " + xy(x, y) + " " + styleName(pen_.style));
    position_ = {x, y};
}

void RecordingCanvas::addShape(ShapeKind kind, std::vector<Point> points,
                               const std::string& entry) {
    shapes.push_back({kind, std::move(points), pen_, brush_, log.size()});
    log.push_back(entry);
}

void RecordingCanvas::rectangle(int left, int top, int right, int bottom) {
    addShape(ShapeKind::Rectangle, {{left, top}, {right, bottom}},
             "rectangle " + xy(left, top) + " " + xy(right, bottom));
}

void RecordingCanvas::ellipse(int left, int top, int right, int bottom) {
    addShape(ShapeKind::Ellipse, {{left, top}, {right, bottom}},
             "ellipse " + xy(left, top) + " " + xy(right, bottom));
}

void RecordingCanvas::polygon(const std::vector<Point>& points) {
    std::string entry = "polygon";
    for (const Point& p : points)
        entry += " " + xy(p.x, p.y);
    addShape(ShapeKind::Polygon, points, entry);
}

void RecordingCanvas::textOut(int x, int y, const std::string& text) {
    texts.push_back({x, y, text, font_, log.size()});
    log.push_back("text " + xy(x, y) + " \"" + text + "\" " + std::to_string(font_.height));
}

int RecordingCanvas::textWidth(const std::string& text) {
    return codePoints(text) * std::abs(font_.height) / 2;
}

int RecordingCanvas::textHeight(const std::string&) {
    return std::abs(font_.height);
}

void RecordingCanvas::setPen(PenStyle style, Color color) {
    pen_ = {style, color};
    log.push_back(std::string("pen ") + styleName(style));
}

void RecordingCanvas::setBrush(BrushStyle style, Color color) {
    brush_ = {style, color};
    log.push_back(style == BrushStyle::Solid ? "brush solid" : "brush clear");
}

void RecordingCanvas::setFont(const Font& font) {
    font_ = font;
    log.push_back("font " + font.name + " " + std::to_string(font.height));
}

} // namespace linealidad::test
