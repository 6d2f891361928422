#include "core/charts/LineStyle.h"

namespace linealidad {

PenStyle penStyleFor(int lineStyle) {
    switch (lineStyle) {
    case 0:
        return PenStyle::Clear;
    case 1:
        return PenStyle::Dot;
    case 2:
        return PenStyle::Dash;
    default:
        // Code 3, and codes the program never sets: the pen stays the solid one it had.
        return PenStyle::Solid;
    }
}

const std::array<std::string, 4>& gridCaptions() {
    static const std::array<std::string, 4> captions{"Ninguno", "Ligero", "Medio", "Fuerte"};
    return captions;
}

} // namespace linealidad
