#pragma once

namespace linealidad {

// What the result commands say, instead of opening their window, when the fitted slope is
// exactly zero.
inline constexpr const char* kZeroSlopeMessage =
    "La pendiente es cero, imposible realizar cálculos.";

} // namespace linealidad
