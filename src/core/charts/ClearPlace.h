#pragma once

#include "core/canvas.h"

#include <optional>
#include <vector>

namespace linealidad {

// A rectangle of a chart in device pixels; right and bottom exclusive.
struct PixelBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool overlaps(const PixelBox& other) const;
    bool contains(const PixelBox& inner) const;
    // The same box moved so its top-left corner is at (left, top).
    PixelBox movedTo(int x, int y) const;
    friend bool operator==(const PixelBox&, const PixelBox&) = default;
};

// What a block of text on a chart must leave in sight: the lines that join a curve's points
// (the fitted line, the zero line) and every marker, each with the width of its pen.
struct ChartMarks {
    std::vector<std::pair<Point, Point>> segments;
    std::vector<PixelBox> markers; // with their outline
    int reach = 0;                 // how far a line's pen reaches either side of its centre
    // No line crosses the box and no marker touches it.
    bool leaveClear(const PixelBox& box) const;
};

// The first of `candidates` that lies within `area`, leaves `marks` clear and overlaps none of
// `taken`; none when every one fails.
std::optional<PixelBox> firstClearPlace(const std::vector<PixelBox>& candidates,
                                        const PixelBox& area, const ChartMarks& marks,
                                        const std::vector<PixelBox>& taken = {});

} // namespace linealidad
