#pragma once

#include <functional>

namespace linealidad {

struct Study;
class TMainForm;

// The frame every result command shares: the study is validated (its problem shown, nothing
// else done, when it fails), then `comando` runs with the study and the decimal separator; a
// fault ends it in the generic error report, leaving what it had done.
void ejecutaComandoResultado(TMainForm& principal,
                             const std::function<void(const Study&, char)>& comando);

// After a computation: true, with the message that no result can be given, when the slope came
// out exactly zero.
bool avisaPendienteCero(TMainForm& principal);

} // namespace linealidad
