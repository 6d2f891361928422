#pragma once

#include <functional>

namespace linealidad {

struct Study;
class TMainForm;

// The frame every result command shares: the study is validated (its problem shown, nothing
// else done, when it fails), then `command` runs with the study and the decimal separator; a
// fault ends it in the generic error report, leaving what it had done.
void runResultCommand(TMainForm& mainWindow,
                      const std::function<void(const Study&, char)>& command);

// After a computation: true, with the message that no result can be given, when the slope came
// out exactly zero.
bool reportZeroSlope(TMainForm& mainWindow);

} // namespace linealidad
