#pragma once

#include "core/canvas.h"

#include <string>
#include <vector>

namespace linealidad::test {

// A canvas that draws nothing and keeps every call, so a test can check what a chart or a page
// drew and where. Metrics are deterministic: a text is |font height| pixels high and each
// character (UTF-8 code point) is half as wide.
class RecordingCanvas : public Canvas {
public:
    struct Pen {
        PenStyle style = PenStyle::Solid;
        Color color = colors::black;
        friend bool operator==(const Pen&, const Pen&) = default;
    };
    struct Brush {
        BrushStyle style = BrushStyle::Solid;
        Color color = colors::white;
        friend bool operator==(const Brush&, const Brush&) = default;
    };
    // Each drawn thing keeps `order`, its place in the log, so a test can tell what was drawn
    // over what.
    struct Text {
        int x, y;
        std::string text;
        Font font;
        std::size_t order;
    };
    // A lineTo, from the pen position it started at.
    struct Line {
        Point from, to;
        Pen pen;
        std::size_t order;
    };
    enum class ShapeKind { Rectangle, Ellipse, Polygon };
    struct Shape {
        ShapeKind kind;
        std::vector<Point> points; // rectangle and ellipse: top-left and bottom-right corners
        Pen pen;
        Brush brush;
        std::size_t order;
    };
    // Every call in order, as one line of text (for a failure message or a look at the log).
    std::vector<std::string> log;

    std::vector<Text> texts;
    std::vector<Line> lines;
    std::vector<Shape> shapes;

    // A surface of `width` × `height` device pixels (a page, a paint box).
    explicit RecordingCanvas(int pixelsPerInch = 96, int width = 0, int height = 0)
        : ppi_(pixelsPerInch), width_(width), height_(height) {}

    // Convenience filters.
    std::vector<Shape> shapesOf(ShapeKind kind) const;
    // The texts whose content is `text`, in drawing order.
    std::vector<Text> textsEqual(const std::string& text) const;
    // The first text with this content; throws when there is none.
    const Text& text(const std::string& text) const;
    void clear();

    Pen pen() const { return pen_; }
    Brush brush() const { return brush_; }
    Point position() const { return position_; }

    static int codePoints(const std::string& text);

    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void polygon(const std::vector<Point>& points) override;
    void textOut(int x, int y, const std::string& text) override;
    int textWidth(const std::string& text) override;
    int textHeight(const std::string& text) override;
    void setPen(PenStyle style, Color color) override;
    void setBrush(BrushStyle style, Color color) override;
    void setFont(const Font& font) override;
    Font font() const override { return font_; }
    int pixelsPerInch() const override { return ppi_; }
    int width() const override { return width_; }
    int height() const override { return height_; }

private:
    void addShape(ShapeKind kind, std::vector<Point> points, const std::string& entry);

    int ppi_;
    int width_;
    int height_;
    Point position_;
    Pen pen_;
    Brush brush_;
    Font font_;
};

} // namespace linealidad::test
