#pragma once

#include <optional>
#include <string>
#include <vector>

namespace linealidad::cli {

// The result window whose text the tool prints; or the verification of the calculations, which
// reads no file.
enum class View { report, inference, anova, residuals, verdict, inverse, verification, validation };

// A well-formed command line: what to print, from which file, with which decimal separator.
struct Command {
    View view;
    std::string file;
    char decimal;
    bool table = false;                  // the file is a table of observations, not a study file
    std::optional<std::string> criteria; // the verdict's criteria file; none: the defaults
    // The inverse view: the responses to read X back from, in the order given, and the
    // replicates of the unknown each is the mean of.
    std::vector<double> responses{};
    int replicates = 1;
    // The validation and verdict views: the responses Y are the quantities recovered.
    bool recovered = false;
};

// What the command line asks for: the help text, a run, or nothing sensible (with the reason,
// in Spanish).
struct Arguments {
    bool help = false;
    std::optional<Command> command;
    std::string error;
};

// Reads `VISTA ARCHIVO [--decimal C]` or `VISTA --tabla ARCHIVO [--decimal C]` in any order,
// `verificar [--decimal C]`, or `--help`; the verdict view also takes `--criterios ARCHIVO`, the
// inverse view `--y VALOR` (one or more) and `--replicas K`, read with the decimal separator,
// and the validation and verdict views `--recobro`.
// `defaultDecimal` is the separator when no --decimal is given.
Arguments readArguments(const std::vector<std::string>& arguments, char defaultDecimal);

} // namespace linealidad::cli
