#pragma once

#include "core/verification/Verification.h"

#include <string>
#include <vector>

namespace linealidad {

// The words of a check's result.
inline constexpr const char* kCheckPasses = "correcta";
inline constexpr const char* kCheckFails = "INCORRECTA";

// The headings of the verification table, one per cell of checkCells.
std::vector<std::string> checkHeadings();

// A check as the window, the printed page and the command-line tool show it: its name, the
// expected and the obtained value (15 significant digits; the reason instead when the
// computations stopped), the digits of agreement (one decimal), the digits demanded, and
// kCheckPasses or kCheckFails.
std::vector<std::string> checkCells(const CheckOutcome& outcome, char decimal);

// What the digits columns mean, under the table.
std::vector<std::string> explanationLines();

// "N de M verificaciones correctas", N the checks that pass.
std::string summaryLine(const std::vector<CheckOutcome>& outcomes);

} // namespace linealidad
