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

// The checks of the calculations on the shipped reference data, one line each with its cells
// joined by a TAB, then the summary line; kSuccess when every check passes.
int verificationView(char decimal, Output& output);

int showView(View view, const Study& study, char decimal, Output& output);

} // namespace linealidad::cli
