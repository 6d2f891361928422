#include "gui/results/ResultCommand.h"

#include "core/results/ZeroSlope.h"
#include "gui/common/DecimalSeparator.h"
#include "gui/common/Dialogs.h"
#include "gui/common/ResultHost.h"
#include "gui/common/RunCommand.h"

namespace linealidad {

void runResultCommand(ResultHost& host,
                      const std::function<void(const Study&, char, ResultSet&)>& command) {
    const Study* study = host.validStudy();
    if (!study)
        return;
    const char decimal = decimalSeparator();
    runCommand(host.dialogs(), [&] { command(*study, decimal, host.results()); });
}

void reportZeroSlope(ResultHost& host) {
    host.dialogs().message(QString::fromUtf8(kZeroSlopeMessage));
}

} // namespace linealidad
