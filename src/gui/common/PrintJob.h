#pragma once

#include "core/printing/PrintDocument.h"
#include "gui/common/ArchivalPdf.h"

#include <functional>

class QPrinter;

namespace linealidad {

// Prints what `print` prints through `printer` as the print dialog left it: on the printer, or,
// when the analyst chose to print to a PDF file there, as an archival PDF with `metadata`,
// written whole into that file (see archivalPdf and replaceFileBytes). Throws Fault.
void printThrough(QPrinter& printer, const PdfMetadata& metadata,
                  const std::function<void(PrintDocument&)>& print);

} // namespace linealidad
