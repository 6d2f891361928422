#pragma once

#include "cli/Arguments.h"
#include "cli/Output.h"

namespace linealidad::cli {

// Runs one command line that was read well: reads the study file (or the table), validates the
// study as the window's command does, and shows the view. Returns the exit status; every
// problem ends in a message on standard error and kFailure.
int run(const Command& command, Output& output);

} // namespace linealidad::cli
