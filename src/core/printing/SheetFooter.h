#pragma once

#include "core/canvas.h"
#include "core/printing/PrintStamp.h"

namespace linealidad {

// The footer line of a printed sheet (footerText), in small type at the foot of the printable
// area, below everything a layout places, centred. A file name too long for the width is cut
// with "…" (the hash never is); a line still too long is cut at its end.
void drawFooter(Canvas& canvas, const PrintStamp& stamp, int page, int pages);

// The height at the foot of the printable area that the footer takes, with a gap above it:
// what a drawing that fills its page (a chart) leaves free. Sets the footer's font.
int footerRoom(Canvas& canvas);

} // namespace linealidad
