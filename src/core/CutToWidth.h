#pragma once

#include "core/canvas.h"

#include <string>

namespace linealidad {

// The mark of a text cut short.
inline constexpr const char* kCutMark = "…";

// `text` as it can be drawn `width` pixels wide in the canvas's current font: whole when it
// fits, otherwise its longest beginning (whole characters) followed by "…" that fits; only "…"
// when nothing more does. The text is measured only up to what the width can hold, so a text
// of a megabyte costs no more than a line: texts are cut before they are placed, never left
// to the drawing to lay out in full.
std::string cutToWidth(Canvas& canvas, const std::string& text, int width);

// A text longer than this many bytes is longer than any line of a page or a chart can hold
// (at 10 points across a page, even its narrowest characters pass the edge before 300).
constexpr std::size_t kLongText = 256;

} // namespace linealidad
