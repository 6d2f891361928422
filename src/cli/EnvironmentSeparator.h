#pragma once

namespace linealidad::cli {

// The decimal separator of the process locale (LC_NUMERIC from the environment); "." when the
// locale's separator is not a single byte.
char environmentSeparator();

} // namespace linealidad::cli
