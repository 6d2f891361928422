#include "core/charts/ClearPlace.h"

#include <algorithm>

namespace linealidad {
namespace {

// Whether the segment from p to q passes through the box, by clipping it against the box's
// four edges (Liang and Barsky): what is left of the segment inside them is not empty.
bool crosses(Point p, Point q, const PixelBox& box) {
    const double dx = q.x - p.x, dy = q.y - p.y;
    double enter = 0, leave = 1;
    const auto clip = [&](double towards, double room) {
        if (towards == 0)
            return room >= 0;
        const double t = room / towards;
        if (towards < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
        return enter <= leave;
    };
    return clip(-dx, p.x - box.left) && clip(dx, box.right - 1 - p.x) && clip(-dy, p.y - box.top) &&
           clip(dy, box.bottom - 1 - p.y);
}

} // namespace

bool PixelBox::overlaps(const PixelBox& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
}

bool PixelBox::contains(const PixelBox& inner) const {
    return inner.left >= left && inner.top >= top && inner.right <= right && inner.bottom <= bottom;
}

PixelBox PixelBox::movedTo(int x, int y) const {
    return {x, y, x + width(), y + height()};
}

bool ChartMarks::leaveClear(const PixelBox& box) const {
    const auto hitsMarker = [&](const PixelBox& marker) { return marker.overlaps(box); };
    const PixelBox wide{box.left - reach, box.top - reach, box.right + reach, box.bottom + reach};
    const auto hitsLine = [&](const auto& segment) {
        return crosses(segment.first, segment.second, wide);
    };
    return std::ranges::none_of(markers, hitsMarker) && std::ranges::none_of(segments, hitsLine);
}

std::optional<PixelBox> firstClearPlace(const std::vector<PixelBox>& candidates,
                                        const PixelBox& area, const ChartMarks& marks,
                                        const std::vector<PixelBox>& taken) {
    for (const PixelBox& box : candidates) {
        const auto overlapsBox = [&](const PixelBox& other) { return other.overlaps(box); };
        if (area.contains(box) && std::ranges::none_of(taken, overlapsBox) && marks.leaveClear(box))
            return box;
    }
    return std::nullopt;
}

} // namespace linealidad
