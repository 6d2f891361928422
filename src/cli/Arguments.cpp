#include "cli/Arguments.h"

#include "core/app/OptionReader.h"
#include "core/text/NumberParse.h"

namespace linealidad::cli {

namespace {

constexpr Option kOptions[] = {
    {.name = "--decimal", .missingValue = "falta el separador después de --decimal"},
    {.name = "--tabla", .missingValue = "falta el archivo de la tabla después de --tabla"},
    {.name = "--criterios", .missingValue = "falta el archivo de criterios después de --criterios"},
    {.name = "--y", .missingValue = "falta la respuesta después de --y"},
    {.name = "--replicas", .missingValue = "falta el número de réplicas después de --replicas"},
    {.name = "--recobro", .takesValue = false},
};

std::optional<View> viewCalled(const std::string& name) {
    if (name == "informe")
        return View::report;
    if (name == "inferencia")
        return View::inference;
    if (name == "anova")
        return View::anova;
    if (name == "residuales")
        return View::residuals;
    if (name == "dictamen")
        return View::verdict;
    if (name == "inversa")
        return View::inverse;
    if (name == "verificar")
        return View::verification;
    if (name == "validacion")
        return View::validation;
    return std::nullopt;
}

Arguments withError(std::string error) {
    Arguments a;
    a.error = std::move(error);
    return a;
}

// The numbers of the inverse view's options into `command`, or the reason they do not serve.
std::optional<std::string> readInverseOptions(const std::vector<std::string>& responses,
                                              const std::optional<std::string>& replicates,
                                              Command& command) {
    if (command.view != View::inverse) {
        if (!responses.empty() || replicates)
            return "--y y --replicas solo sirven con la vista inversa";
        return std::nullopt;
    }
    if (responses.empty())
        return "falta la respuesta: la vista inversa necesita al menos un --y VALOR";
    for (const std::string& response : responses) {
        if (!isFloat(response, command.decimal))
            return "la respuesta de --y no es un número: \"" + response + "\"";
        command.responses.push_back(parseFloat(response, command.decimal));
    }
    if (replicates) {
        if (!isInteger(*replicates) || parseInteger(*replicates) < 1)
            return "--replicas necesita un número entero de réplicas, 1 o más (no \"" +
                   *replicates + "\")";
        command.replicates = parseInteger(*replicates);
    }
    return std::nullopt;
}

} // namespace

Arguments readArguments(const std::vector<std::string>& arguments, char defaultDecimal) {
    const CommandLine line = readCommandLine(arguments, kOptions);
    if (line.help)
        return Arguments{.help = true, .command = std::nullopt, .error = {}};
    if (!line.error.empty())
        return withError(line.error);
    const std::vector<std::string>& positionals = line.positionals;
    const std::optional<std::string> table = line.last("--tabla");
    if (positionals.empty())
        return withError(table ? "falta la vista" : "falta la vista y el archivo del estudio");
    const auto view = viewCalled(positionals[0]);
    if (!view)
        return withError("vista desconocida: " + positionals[0]);
    if (line.has("--criterios") && *view != View::verdict)
        return withError("--criterios solo sirve con la vista dictamen");
    const bool recovered = line.has("--recobro");
    if (recovered && *view != View::validation && *view != View::verdict)
        return withError("--recobro solo sirve con las vistas validacion y dictamen");
    const bool readsStudy = *view != View::verification;
    if (!readsStudy && table)
        return withError("verificar no lee ninguna tabla");
    // A table is named after --tabla; a study file is the argument after the view.
    const std::size_t positionalsWanted = table || !readsStudy ? 1 : 2;
    if (std::string error = positionalsError(positionals, positionalsWanted); !error.empty())
        return withError(std::move(error));
    const DecimalOption decimal = decimalOption(line, defaultDecimal);
    if (!decimal.error.empty())
        return withError(decimal.error);
    Command command{.view = *view,
                    .file = table        ? *table
                            : readsStudy ? positionals[1]
                                         : std::string(),
                    .decimal = decimal.separator,
                    .table = table.has_value(),
                    .criteria = line.last("--criterios"),
                    .recovered = recovered};
    if (const auto problem = readInverseOptions(line.all("--y"), line.last("--replicas"), command))
        return withError(*problem);
    return Arguments{.help = false, .command = std::move(command), .error = {}};
}

} // namespace linealidad::cli
