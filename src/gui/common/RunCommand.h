#pragma once

#include <functional>

namespace linealidad {

class Dialogs;

// Runs a command. A fault the program does not check for itself (a conversion, an arithmetic
// fault, a file error) ends the command where it occurs and is shown here, in the generic error
// report; what the command did before the fault stays. Returns whether it ran to its end.
bool runCommand(Dialogs& dialogs, const std::function<void()>& command);

// The hourglass cursor while an instance lives, restored however the scope ends.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace linealidad
