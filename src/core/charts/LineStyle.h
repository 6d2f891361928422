#pragma once

#include "core/canvas.h"

#include <array>
#include <string>

namespace linealidad {

// The line style codes of the curves, also the grid strength: 0 no line, 1 dotted, 2 dashed,
// 3 solid.
PenStyle penStyleFor(int lineStyle);

// The grid strengths as the options dialog lists them, indexed by code.
const std::array<std::string, 4>& gridCaptions();

} // namespace linealidad
