#include "gui/printing/TFopprt1.h"

namespace linealidad {
namespace {

const PrintOptionsNames kNames{"Fopprt1", QSize(392, 296), QStringLiteral("Imprimir en Lasser :"),
                               145, true};

} // namespace

TFopprt1::TFopprt1(PrintHost& host, QWidget* parent)
    : PrintOptionsWindow(PrintLayout::Laser, kNames, host, parent) {
    // The window's font is the system's.
    setFont(QFont(QStringLiteral("System")));
}

} // namespace linealidad
