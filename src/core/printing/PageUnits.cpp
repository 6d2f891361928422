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
// The column unit in dots of the printer a layout was drawn for.
constexpr int kLayoutColumnDots = 12;
// A4's width less two quarter-inch borders, in thousandths of an inch: 210 mm is 8.268 in.
constexpr int kPrintableWidthMils = 8268 - 500;

} // namespace

int PageUnits::L() const {
    return pointsToPixels(kLinePoints);
}

int PageUnits::x(int columns) const {
    return scaled(columns * kLayoutColumnDots, dpi_, unitDpi_);
}

int PageUnits::pointsToPixels(int points) const {
    return scaled(points, dpi_, kPointsPerInch);
}

int printableColumns(int unitDpi) {
    return kPrintableWidthMils * unitDpi / (1000 * kLayoutColumnDots);
}

} // namespace linealidad
