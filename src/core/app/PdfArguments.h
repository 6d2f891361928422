#pragma once

#include "core/printing/PrintedPages.h"

#include <optional>
#include <string>
#include <vector>

namespace linealidad {

enum class Paper { A4, Letter };

// `linealidad --pdf`: the printed pages of a study file written into one PDF document, with no
// window, display or printer.
struct PdfCommand {
    std::string output;
    std::string study;
    std::vector<PageChoice> pages;
    PrintLayout layout = PrintLayout::Laser;
    int SELECMARIndex = 1; // the "Selecciona margen:" item: 1.5 cm
    Paper paper = Paper::A4;
    char decimal = '.';
};

// What the command line asks for: the help text, a document, or nothing sensible (with the
// reason, in Spanish).
struct PdfArguments {
    bool help = false;
    std::optional<PdfCommand> command;
    std::string error;
};

// Whether the command line is one for the document rather than the window: it holds one of
// that mode's options.
bool isPdfCommandLine(const std::vector<std::string>& arguments);

// Reads `--pdf SALIDA.pdf [--pagina P] [--formato F] [--margen M] [--papel T] [--decimal C]
// ESTUDIO` in any order (each option also as --option=value), or `--help`. `defaultDecimal` is
// the separator when no --decimal is given.
PdfArguments readPdfArguments(const std::vector<std::string>& arguments, char defaultDecimal);

std::string pdfHelpText();
// The usage error for `reason`, for standard error.
std::string pdfUsageErrorText(const std::string& reason);

} // namespace linealidad
