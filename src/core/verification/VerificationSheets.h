#pragma once

#include "core/printing/Sheet.h"
#include "core/verification/Verification.h"

#include <string>
#include <vector>

namespace linealidad {

// What identifies a verification on paper: where and when it ran, and with which program.
struct VerificationStamp {
    std::string version;  // the program's version
    std::string date;     // as the system writes it
    std::string computer; // the computer's name
};

// The verification laid out for printing: a title, the stamp, the table of checks with its
// headings, and the summary line; a table too long for one sheet continues on the next.
std::vector<Sheet> verificationSheets(const std::vector<CheckOutcome>& outcomes,
                                      const VerificationStamp& stamp, char decimal);

} // namespace linealidad
