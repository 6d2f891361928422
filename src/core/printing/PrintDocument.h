#pragma once

#include "core/canvas.h"

namespace linealidad {

// A document on a page printer (or a PDF file): begun, given a new page for each further sheet,
// ended. The canvas's width is the printable width and its origin the top-left corner of the
// printable area.
class PrintDocument {
public:
    virtual ~PrintDocument() = default;

    // Begins the document; its canvas stays valid until EndDoc.
    virtual Canvas& BeginDoc() = 0;
    virtual void NewPage() = 0;
    virtual void EndDoc() = 0;
};

} // namespace linealidad
