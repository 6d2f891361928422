#include "core/charts/LineStyle.h"

namespace linealidad {

PenStyle penStyleFor(int lineStyle) {
    switch (lineStyle) {
    case kNoLine:
        return PenStyle::Clear;
    case kDottedLine:
        return PenStyle::Dot;
    case kDashedLine:
        return PenStyle::Dash;
    default:
        // kSolidLine, and codes the program never sets: the pen stays the solid one it had.
        return PenStyle::Solid;
    }
}

const std::array<std::string, 4>& gridCaptions() {
    static const std::array<std::string, 4> captions{"Ninguno", "Ligero", "Medio", "Fuerte"};
    return captions;
}

} // namespace linealidad
