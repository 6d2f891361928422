#pragma once

#include "gui/printing/PrintOptionsWindow.h"

namespace linealidad {

// The laser print options window: the pages of the laser layout. "Lasser" and its tool button
// show it; it runs no validation of its own.
class TFopprt1 : public PrintOptionsWindow {
    Q_OBJECT
public:
    TFopprt1(PrintHost& host, QWidget* parent = nullptr);
};

} // namespace linealidad
