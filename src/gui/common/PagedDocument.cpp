#include "gui/common/PagedDocument.h"

#include "core/text/Errors.h"

#include <QPagedPaintDevice>

namespace linealidad {
namespace {

const char* const kNoPrinting = "No se pudo iniciar la impresión";

} // namespace

Canvas& PagedDocument::BeginDoc() {
    if (!painter_.begin(&device_))
        throw Fault(kNoPrinting);
    return canvas_.emplace(painter_);
}

void PagedDocument::NewPage() {
    if (!device_.newPage())
        throw Fault(kNoPrinting);
}

void PagedDocument::EndDoc() {
    canvas_.reset();
    painter_.end();
}

} // namespace linealidad
