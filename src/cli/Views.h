#pragma once

#include "cli/Arguments.h"
#include "cli/Output.h"
#include "core/study/Study.h"

namespace linealidad::cli {

// Each view runs the computations of its window's command on a validated study and writes the
// window's lines. A zero slope is reported and gives kFallo; conversion and arithmetic faults
// propagate after the lines the window would already hold have been written.

// The inference memo: 13 lines, the memo's empty line, the origin sentence if any.
int inferenceView(const Study& study, char decimal, Output& output);

// The variance grid, one row per line with its 6 cells joined by a TAB, then the sentences.
int anovaView(const Study& study, char decimal, Output& output);

// The four residual memos side by side: their k-th lines joined by a TAB.
int residualsView(const Study& study, char decimal, Output& output);

// The report lines.
int reportView(const Study& study, char decimal, Output& output);

// The acceptance verdict: one line per criterion, `nombre<TAB>valor<TAB>límite<TAB>veredicto`,
// the verdict cell CUMPLE, NO CUMPLE or empty for a row that does not count (a limit shown
// for information, a criterion that does not apply); then `DICTAMEN: CUMPLE` or
// `DICTAMEN: NO CUMPLE`. The criteria are the command's criteria file's, or the defaults
// without one; a criteria file that cannot be read or is malformed ends the run with a message
// naming it.
int verdictView(const Study& study, const Command& command, Output& output);

// For each of the command's responses: Y, X and the limits of X joined by a TAB, and the mark
// of a response outside the calibrated range as a fifth cell.
int inverseView(const Study& study, const Command& command, Output& output);

// The validation statistics' lines (validationLines), the recovery's with the command's
// --recobro.
int validationView(const Study& study, const Command& command, Output& output);

// The checks of the calculations on the shipped reference data, one line each with its cells
// joined by a TAB, then the summary line; kSuccess when every check passes.
int verificationView(char decimal, Output& output);

// The command's view of a validated study.
int showView(const Study& study, const Command& command, Output& output);

} // namespace linealidad::cli
