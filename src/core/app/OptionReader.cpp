#include "core/app/OptionReader.h"

#include "core/text/NumberParse.h"

#include <algorithm>

namespace linealidad {
namespace {

bool isHelp(std::string_view argument) {
    return argument == "--help" || argument == "-h";
}

// The option the argument names, and the value written after "=" when there is one.
struct Named {
    const Option* option;
    std::optional<std::string> inlineValue;
};

std::optional<Named> optionNamed(std::string_view argument, std::span<const Option> options) {
    for (const Option& option : options) {
        if (argument == option.name)
            return Named{&option, std::nullopt};
        if (option.takesValue && argument.starts_with(option.name) &&
            argument.size() > option.name.size() && argument[option.name.size()] == '=')
            return Named{&option, std::string(argument.substr(option.name.size() + 1))};
    }
    return std::nullopt;
}

std::string missingValueError(const Option& option) {
    if (!option.missingValue.empty())
        return std::string(option.missingValue);
    return "falta el valor después de " + std::string(option.name);
}

} // namespace

bool CommandLine::has(std::string_view name) const {
    return std::any_of(options.begin(), options.end(),
                       [name](const auto& given) { return given.first == name; });
}

std::optional<std::string> CommandLine::last(std::string_view name) const {
    const auto found = std::find_if(options.rbegin(), options.rend(),
                                    [name](const auto& given) { return given.first == name; });
    return found == options.rend() ? std::nullopt : std::optional<std::string>(found->second);
}

std::vector<std::string> CommandLine::all(std::string_view name) const {
    std::vector<std::string> values;
    for (const auto& [given, value] : options)
        if (given == name)
            values.push_back(value);
    return values;
}

CommandLine readCommandLine(const std::vector<std::string>& arguments,
                            std::span<const Option> options, UnknownOptions unknown) {
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (isHelp(argument)) {
            line.help = true;
            return line;
        }
        if (const auto named = optionNamed(argument, options)) {
            const Option& option = *named->option;
            if (!option.takesValue || named->inlineValue) {
                line.options.emplace_back(option.name, named->inlineValue.value_or(""));
            } else if (++i < arguments.size()) {
                line.options.emplace_back(option.name, arguments[i]);
            } else if (unknown == UnknownOptions::Refuse) {
                line.error = missingValueError(option);
                return line;
            }
        } else if (argument.size() > 1 && argument[0] == '-') {
            if (unknown == UnknownOptions::Refuse) {
                line.error = "opción desconocida: " + argument;
                return line;
            }
        } else {
            line.positionals.push_back(argument);
        }
    }
    return line;
}

bool namesOption(std::string_view argument, std::span<const Option> options) {
    return isHelp(argument) || optionNamed(argument, options).has_value();
}

std::string positionalsError(const std::vector<std::string>& positionals, std::size_t wanted) {
    if (positionals.size() < wanted)
        return "falta el archivo del estudio";
    if (positionals.size() > wanted)
        return "sobra el argumento " + positionals[wanted];
    return {};
}

DecimalOption decimalOption(const CommandLine& line, char fallback) {
    const auto decimal = line.last("--decimal");
    if (!decimal)
        return {fallback, {}};
    if (!isDecimalSeparator(*decimal))
        return {fallback, "el separador decimal debe ser un solo signo, como . o , (no \"" +
                              *decimal + "\")"};
    return {(*decimal)[0], {}};
}

std::string usageErrorText(std::string_view program, std::string_view usage,
                           std::string_view reason) {
    std::string text(program);
    text.append(": ").append(reason).append("\n").append(usage);
    text.append("Para más información: ").append(program).append(" --help\n");
    return text;
}

} // namespace linealidad
