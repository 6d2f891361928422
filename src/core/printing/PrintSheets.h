#pragma once

#include "core/printing/PrintDocument.h"
#include "core/printing/PrintStamp.h"
#include "core/printing/Sheet.h"

#include <vector>

namespace linealidad {

// Draws one sheet on `canvas`, in the units of its resolution and across its width.
void drawSheet(Canvas& canvas, const Sheet& sheet);

// Prints `sheets` as one document, a page each, every page with its footer: its number among
// all the sheets of the document, and `stamp`. The sheets are laid out whole before the
// document begins, so whatever fails in laying them out (a level count that is not an integer)
// leaves nothing at the printer: a printer job once begun cannot be taken back.
void printSheets(PrintDocument& document, const std::vector<Sheet>& sheets,
                 const PrintStamp& stamp);

} // namespace linealidad
