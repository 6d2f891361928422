#include "gui/printing/TFopprt1.h"

namespace linealidad {
namespace {

// Taller than the program's window by the verdict's and the validation's items.
const PrintOptionsNames kNames{"Fopprt1", QSize(392, 326), QStringLiteral("Imprimir en Lasser :"),
                               175, true};

} // namespace

TFopprt1::TFopprt1(PrintHost& host, QWidget* parent)
    : PrintOptionsWindow(PrintLayout::Laser, kNames, host, parent) {
    // The window's font is the system's.
    setFont(QFont(QStringLiteral("System")));
}

} // namespace linealidad
