#pragma once

#include "gui/printing/PrintOptionsWindow.h"

namespace linealidad {

class TFOPRT;

// The deskjet print options window: the pages of the deskjet layout, with the left margin
// chosen in `TFOPRT`.
class TFopprt : public PrintOptionsWindow {
    Q_OBJECT
public:
    TFopprt(PrintHost& host, const TFOPRT& FOPRT, QWidget* parent = nullptr);

    int FactorMargen() const { return FactorMargen_; }

protected:
    // From the margin selected in `TFOPRT` now, kept when none is selected.
    int margin() override;

private:
    const TFOPRT& FOPRT_;
    int FactorMargen_ = 0;
};

} // namespace linealidad
