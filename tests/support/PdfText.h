#pragma once

#include <QString>

namespace linealidad::test {

// Whether poppler's pdftotext is installed (scripts/setup installs it).
bool havePdfToText();

// The text of a PDF file as pdftotext lays it out (-layout), pages separated by form feeds;
// empty when the file cannot be read.
QString pdfText(const QString& path);

} // namespace linealidad::test
