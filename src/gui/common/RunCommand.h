#pragma once

#include "gui/common/DecimalSeparator.h"

#include <functional>

namespace linealidad {

class Dialogs;

// Runs a command. A fault the program does not check for itself (a conversion, an arithmetic
// fault, a file error) ends the command where it occurs and is shown here, in the generic error
// report; what the command did before the fault stays. Returns whether it ran to its end.
bool runCommand(Dialogs& dialogs, const std::function<void()>& command);

// The frame of a command on the study, for any host with `validStudy()`, `dialogs()` and
// `results()`: the study is validated (its problem shown, nothing else done, when it fails),
// then `command` runs with the study, the decimal separator and the shared result set, through
// runCommand. Returns whether it ran to its end.
template <typename Host, typename Command> bool runStudyCommand(Host& host, Command&& command) {
    const auto* study = host.validStudy();
    if (!study)
        return false;
    const char decimal = decimalSeparator();
    return runCommand(host.dialogs(), [&] { command(*study, decimal, host.results()); });
}

// The hourglass cursor while an instance lives, restored however the scope ends.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace linealidad
