#pragma once

#include "core/canvas.h"

namespace linealidad {

// Marker styles of a curve.
constexpr int kCircleMarker = 1;
constexpr int kTriangleMarker = 4;

// Draws the outline of the marker `style` centred on pixel (x, y) with half-size `markSize`:
// an open circle, or an open triangle pointing up after which the pen position is back at the
// centre. Other styles draw nothing.
void DrawMarker(Canvas& canvas, int x, int y, int style, int markSize);

} // namespace linealidad
