#include "gui/results/ResultCommand.h"

#include "core/results/ZeroSlope.h"
#include "gui/app/TMainForm.h"
#include "gui/common/DecimalSeparator.h"
#include "gui/common/Dialogs.h"
#include "gui/common/RunCommand.h"
#include "gui/study/TFinforma.h"

namespace linealidad {

void runResultCommand(TMainForm& m, const std::function<void(const Study&, char)>& command) {
    if (!m.validateStudy())
        return;
    const Study& study = m.Finforma->study();
    const char decimal = decimalSeparator();
    runCommand(m.dialogs(), [&] { command(study, decimal); });
}

bool reportZeroSlope(TMainForm& m) {
    if (m.PendienteCero)
        m.dialogs().message(QString::fromUtf8(kZeroSlopeMessage));
    return m.PendienteCero;
}

} // namespace linealidad
