#pragma once

#include <string>

namespace linealidad::cli {

// The text of --help, in Spanish.
std::string textoAyuda();

// The text for a command line that cannot be run: the reason, the usage line and a pointer to
// --help.
std::string textoErrorDeUso(const std::string& motivo);

} // namespace linealidad::cli
