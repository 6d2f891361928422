#include "gui/common/PrintJob.h"

#include "core/study/FileAccess.h"
#include "gui/common/LocalPath.h"
#include "gui/common/PagedDocument.h"

#include <QFile>
#include <QPrinter>

namespace linealidad {

void printThrough(QPrinter& printer, const PdfMetadata& metadata,
                  const std::function<void(PrintDocument&)>& print) {
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        const QByteArray pdf =
            archivalPdf(metadata, printer.pageLayout(), printer.resolution(), print);
        replaceFileBytes(localPath(printer.outputFileName()),
                         std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
        return;
    }
    PagedDocument document(printer);
    print(document);
}

} // namespace linealidad
