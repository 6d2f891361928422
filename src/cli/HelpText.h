#pragma once

#include <string>

namespace linealidad::cli {

// The text of --help, in Spanish.
std::string helpText();

// The text for a command line that cannot be run: the reason, the usage line and a pointer to
// --help.
std::string usageErrorText(const std::string& reason);

} // namespace linealidad::cli
