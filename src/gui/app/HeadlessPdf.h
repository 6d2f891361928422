#pragma once

#include "core/app/OptionReader.h"
#include "core/app/PdfArguments.h"
#include "core/printing/PrintStamp.h"
#include "core/printing/Sheet.h"
#include "gui/common/ArchivalPdf.h"

#include <QByteArray>

#include <ostream>
#include <string>
#include <vector>

namespace linealidad {

// Exit statuses of `linealidad --pdf`, those of linealidad-cli.
constexpr int kPdfWritten = 0;
constexpr int kPdfFailure = 1;
constexpr int kPdfUsageError = kUsageErrorStatus;

// The sheets as an archival PDF document at 600 dots per inch on the paper's size, a page each
// with its footer, within margins of a quarter of an inch (a laser printer's unprintable
// border).
QByteArray pdfDocument(const std::vector<Sheet>& sheets, Paper paper, const PrintStamp& stamp,
                       const PdfMetadata& metadata);

// Writes the document: reads the study file, validates the study, computes and lays out every
// page, and only then writes the PDF file, whole or not at all. Every problem ends in a message
// on `errors` and kPdfFailure, with no file written. Needs a QGuiApplication (for the fonts).
int writePdf(const PdfCommand& command, std::ostream& errors);

// The whole headless mode: the command line read, the help or the usage error, or the
// document written by an application on the offscreen platform, which needs no display.
int pdfMain(int argc, char* argv[], const std::vector<std::string>& arguments);

} // namespace linealidad
