#pragma once

#include "core/canvas.h"

#include <array>
#include <cstdint>
#include <string>

namespace linealidad {

// The line style codes of the curves, also the grid strength.
constexpr std::uint8_t kNoLine = 0;
constexpr std::uint8_t kDottedLine = 1;
constexpr std::uint8_t kDashedLine = 2;
constexpr std::uint8_t kSolidLine = 3;

// The pen a line style code draws with.
PenStyle penStyleFor(int lineStyle);

// The grid strengths as the options dialog lists them, indexed by code.
const std::array<std::string, 4>& gridCaptions();

} // namespace linealidad
