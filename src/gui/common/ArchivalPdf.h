#pragma once

#include "core/printing/PrintDocument.h"
#include "core/printing/PrintStamp.h"
#include "core/study/Study.h"

#include <QByteArray>
#include <QPageLayout>
#include <QString>

#include <functional>

namespace linealidad {

// What a PDF document says about itself, in its information dictionary and in its XMP packet.
struct PdfMetadata {
    QString title;
    QString author;
    QString subject;
    QString creator;
    QString keywords; // empty: none
};

// The metadata of a document printed from `study`: the title is its method (its file's name
// when the method is empty), the author its analyst, the subject "Estudio de linealidad y
// precisión", the creator this program and its version, and the keywords the SHA-256 of its
// file when it is saved.
PdfMetadata studyMetadata(const Study& study, const PrintStamp& stamp);

// A PDF/A-1b document (fonts embedded, as Qt embeds them for PDF/A) of the pages `print`
// prints on a document over a PDF writer with `layout` at `resolution` dots per inch, carrying
// `metadata`; made whole in memory, so a file is written all at once or not at all. Throws
// Fault when the document cannot be made.
QByteArray archivalPdf(const PdfMetadata& metadata, const QPageLayout& layout, int resolution,
                       const std::function<void(PrintDocument&)>& print);

} // namespace linealidad
