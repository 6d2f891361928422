#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace linealidad::test {

// Whether poppler's pdftotext is installed (scripts/setup installs it).
bool havePdfToText();

// The text of a PDF file as pdftotext lays it out (-layout), pages separated by form feeds;
// empty when the file cannot be read.
QString pdfText(const QString& path);

// The standard output of a program of poppler-utils (pdfinfo, pdffonts) run with `arguments`.
QString popplerOutput(const QString& program, const QStringList& arguments);

// A word of a PDF page as pdftotext finds it (-bbox): its text and its box, in points from the
// page's top-left corner.
struct PdfWord {
    QString text;
    QRectF box;
};

struct PdfPage {
    QSizeF size; // in points
    QList<PdfWord> words;
};

// The pages of a PDF file with their words; empty when the file cannot be read.
QList<PdfPage> pdfWords(const QString& path);

// What is wrong with the placement of the pages' words, one line per fault: a word outside the
// printable area (the page less `border` points on every side), or two words on the same line
// that overlap. Words on neighbouring lines may touch by the fonts' ascent and descent; they
// overlap only when they share more than half their height.
QStringList placementFaults(const QList<PdfPage>& pages, double border);

} // namespace linealidad::test
