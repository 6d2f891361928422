#pragma once

#include "core/printing/PrintDocument.h"
#include "gui/common/CanvasQt.h"

#include <QPainter>

#include <optional>

class QPagedPaintDevice;

namespace linealidad {

// A print document on a printer, a print preview or a PDF writer: its pages are the device's,
// drawn on a CanvasQt over the printable area.
class PagedDocument : public PrintDocument {
public:
    explicit PagedDocument(QPagedPaintDevice& device) : device_(device) {}

    // Throws Fault when the device cannot begin (no printer, a file that cannot be written).
    Canvas& BeginDoc() override;
    void NewPage() override;
    void EndDoc() override;

private:
    QPagedPaintDevice& device_;
    QPainter painter_;
    std::optional<CanvasQt> canvas_;
};

} // namespace linealidad
