#pragma once

#include <optional>
#include <string>
#include <vector>

namespace linealidad::cli {

// The result window whose text the tool prints.
enum class Vista { informe, inferencia, anova, residuales };

// A well-formed command line: what to print, from which study file, with which decimal
// separator.
struct Orden {
    Vista vista;
    std::string archivo;
    char decimal;
};

// What the command line asks for: the help text, a run, or nothing sensible (with the reason,
// in Spanish).
struct Argumentos {
    bool ayuda = false;
    std::optional<Orden> orden;
    std::string error;
};

// Reads `VISTA ARCHIVO [--decimal C]` in any order, or `--help`. `decimalPorOmision` is the
// separator when no --decimal is given.
Argumentos leeArgumentos(const std::vector<std::string>& argumentos, char decimalPorOmision);

} // namespace linealidad::cli
