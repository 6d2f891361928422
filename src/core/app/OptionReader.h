#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace linealidad {

// The exit status of every entry point whose command line cannot be run.
constexpr int kUsageErrorStatus = 2;

// An option a command line may hold: a flag (`--recobro`), or an option with a value, given as
// `--x v` or `--x=v`.
struct Option {
    std::string_view name;
    bool takesValue = true;
    // The reason when the value is missing at the end of the line; when empty,
    // "falta el valor después de NAME".
    std::string_view missingValue = {};
};

// A command line read against its options: the help asked for, or why it cannot be run, or
// its options and the arguments that are no option.
struct CommandLine {
    bool help = false;
    std::string error; // in Spanish; empty when the line can be run
    std::vector<std::string> positionals;
    // Every option given, in the order given, with its value (empty for a flag).
    std::vector<std::pair<std::string_view, std::string>> options;

    bool has(std::string_view name) const;
    // The value given last, which overrides any before it.
    std::optional<std::string> last(std::string_view name) const;
    // Every value given, for options that may be repeated.
    std::vector<std::string> all(std::string_view name) const;
};

// What becomes of an argument that starts with "-" and names no option: a mistake
// ("opción desconocida"), or something passed over, as the window's start-up does with what a
// desktop may add to its command line. Passed over, a value option with no value is dropped too.
enum class UnknownOptions { Refuse, Skip };

// Reads the arguments (without the program's name) in any order. --help or -h ends the reading
// with `help`; so does the first problem, with its reason in `error`. A lone "-" is no option.
CommandLine readCommandLine(const std::vector<std::string>& arguments,
                            std::span<const Option> options,
                            UnknownOptions unknown = UnknownOptions::Refuse);

// Whether the argument asks for the help or names one of the options, alone or with its value.
bool namesOption(std::string_view argument, std::span<const Option> options);

// The reason when the arguments that are no option are not the `wanted` ones, the last of them
// the study's file: "falta el archivo del estudio" or "sobra el argumento ...". Empty when they
// are.
std::string positionalsError(const std::vector<std::string>& positionals, std::size_t wanted);

// The decimal separator of `--decimal`, or `fallback` when none is given; the reason when its
// value is not a single sign.
struct DecimalOption {
    char separator;
    std::string error;
};
DecimalOption decimalOption(const CommandLine& line, char fallback);

// What goes to standard error for a line that cannot be run: the reason after the program's
// name, the usage, and a pointer to --help.
std::string usageErrorText(std::string_view program, std::string_view usage,
                           std::string_view reason);

} // namespace linealidad
