#pragma once

#include "core/canvas.h"
#include "core/text/TextWrap.h"

#include <string>

namespace linealidad {

// `text` as it can be drawn `width` pixels wide in the canvas's current font: whole when it
// fits, otherwise its longest beginning (whole characters) followed by "…" that fits; only "…"
// when nothing more does. Only as much of the text as a line can hold is measured, so a text
// of a megabyte costs no more than a line: texts are cut before they are placed, never left to
// the drawing to lay out in full.
inline std::string cutToWidth(Canvas& canvas, const std::string& text, int width) {
    return cutToWidth(text, width, [&canvas](const std::string& s) { return canvas.textWidth(s); });
}

} // namespace linealidad
