#include "gui/results/ResultCommand.h"

#include "core/results/ZeroSlope.h"
#include "gui/common/Dialogs.h"
#include "gui/common/ResultHost.h"
#include "gui/common/RunCommand.h"

namespace linealidad {

void runResultCommand(ResultHost& host,
                      const std::function<void(const Study&, char, ResultSet&)>& command) {
    runStudyCommand(host, command);
}

void reportZeroSlope(ResultHost& host) {
    host.dialogs().message(QString::fromUtf8(kZeroSlopeMessage));
}

} // namespace linealidad
