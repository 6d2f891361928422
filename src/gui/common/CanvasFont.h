#pragma once

#include "core/canvas.h"

#include <QFont>

class QPaintDevice;

namespace linealidad {

// The Qt font for a font as the program names it, sized for `device`: a positive height is
// the cell height (ascent plus descent), matched by the pixel size whose metrics come closest;
// a negative height is the character height, the pixel size itself. A height of 0 (the texts
// of a window too small to hold them) gives the smallest font rather than none.
QFont qtFont(const Font& font, const QPaintDevice* device);

} // namespace linealidad
