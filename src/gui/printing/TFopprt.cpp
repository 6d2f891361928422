#include "gui/printing/TFopprt.h"

#include "core/printing/Uprint.h"
#include "gui/printing/TFOPRT.h"

namespace linealidad {
namespace {

const PrintOptionsNames kNames{"Fopprt", QSize(350, 295), QStringLiteral("Imprimir:"), 185, false};

} // namespace

TFopprt::TFopprt(PrintHost& host, const TFOPRT& FOPRT, QWidget* parent)
    : PrintOptionsWindow(PrintLayout::Deskjet, kNames, host, parent), FOPRT_(FOPRT) {}

int TFopprt::margin() {
    FactorMargen_ = Uprint::FactorMargen(FOPRT_.SELECMARIndex(), FactorMargen_);
    return FactorMargen_;
}

} // namespace linealidad
