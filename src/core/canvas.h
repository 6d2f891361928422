#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace linealidad {

// The drawing surface of charts and printed pages: a window's paint box, a printer page or, in
// tests, a recorder. Coordinates are device pixels with the origin at the top-left corner.
// Texts are UTF-8.

struct Color {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

namespace colors {
constexpr Color black{0, 0, 0};
constexpr Color white{255, 255, 255};
constexpr Color red{255, 0, 0};
constexpr Color blue{0, 0, 255};
constexpr Color navy{0, 0, 128};
} // namespace colors

enum class PenStyle { Solid, Dash, Dot, Clear };
enum class BrushStyle { Solid, Clear };
enum class Pitch { Default, Fixed, Variable };

struct Point {
    int x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// A font as the program names it. `height` in device pixels: positive is the cell height
// (ascent plus descent), negative the character height; a size in points p on a device of d
// pixels per inch is the character height p·d/72.
struct Font {
    std::string name = "Arial";
    int height = -13;
    bool bold = false;
    bool italic = false;
    Pitch pitch = Pitch::Default;
    Color color = colors::black;
    friend bool operator==(const Font&, const Font&) = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // Lines: the pen position moves with each lineTo. Shapes do not move it.
    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
    // Outlined with the pen and filled with the brush; right and bottom are exclusive.
    virtual void rectangle(int left, int top, int right, int bottom) = 0;
    virtual void ellipse(int left, int top, int right, int bottom) = 0;
    virtual void polygon(const std::vector<Point>& points) = 0;

    // Text with its top-left corner at (x, y), in the current font.
    virtual void textOut(int x, int y, const std::string& text) = 0;
    virtual int textWidth(const std::string& text) = 0;
    // The cell height of the current font (the same for every text).
    virtual int textHeight(const std::string& text) = 0;

    virtual void setPen(PenStyle style, Color color) = 0;
    virtual void setBrush(BrushStyle style, Color color) = 0;
    virtual void setFont(const Font& font) = 0;
    virtual Font font() const = 0;

    virtual int pixelsPerInch() const = 0;
    // The size of the surface in device pixels: a printer's printable area, a window's paint
    // box, an image.
    virtual int width() const = 0;
    virtual int height() const = 0;
};

} // namespace linealidad
