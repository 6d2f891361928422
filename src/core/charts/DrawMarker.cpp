#include "core/charts/DrawMarker.h"

namespace linealidad {

void DrawMarker(Canvas& canvas, int x, int y, int style, int markSize) {
    canvas.setBrush(BrushStyle::Clear, colors::black);
    const int m = markSize;
    if (style == kCircleMarker) {
        canvas.ellipse(x - m, y - m, x + m, y + m);
    } else if (style == kTriangleMarker) {
        const int base = y + (2 * m) / 3;
        canvas.polygon({{x, y - m}, {x - m, base}, {x + m, base}, {x, y - m}});
        canvas.moveTo(x, y);
    }
}

} // namespace linealidad
