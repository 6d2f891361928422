#include "core/printing/PageUnits.h"

namespace linealidad {
namespace {

// a·b/c rounded to the nearest, half away from zero, for non-negative a and b and positive c.
int scaled(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

constexpr int kPointsPerInch = 72;
constexpr int kLinePoints = 12;
// The printer the layout was drawn for, and its column unit in dots.
constexpr int kLayoutDpi = 600;
constexpr int kLayoutColumnDots = 12;

} // namespace

int PageUnits::L() const {
    return pointsToPixels(kLinePoints);
}

int PageUnits::x(int columns) const {
    return scaled(columns * kLayoutColumnDots, dpi_, kLayoutDpi);
}

int PageUnits::pointsToPixels(int points) const {
    return scaled(points, dpi_, kPointsPerInch);
}

} // namespace linealidad
