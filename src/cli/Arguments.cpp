#include "cli/Arguments.h"

#include "core/text/NumberParse.h"

namespace linealidad::cli {

namespace {

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
    std::vector<std::string> positionals;
    std::optional<std::string> decimal;
    std::optional<std::string> table;
    std::optional<std::string> criteria;
    std::vector<std::string> responses;
    std::optional<std::string> replicates;
    bool recovered = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a == "--help" || a == "-h")
            return Arguments{.help = true, .command = std::nullopt, .error = {}};
        if (a == "--decimal") {
            if (++i == arguments.size())
                return withError("falta el separador después de --decimal");
            decimal = arguments[i];
        } else if (a.starts_with("--decimal=")) {
            decimal = a.substr(10);
        } else if (a == "--tabla") {
            if (++i == arguments.size())
                return withError("falta el archivo de la tabla después de --tabla");
            table = arguments[i];
        } else if (a.starts_with("--tabla=")) {
            table = a.substr(8);
        } else if (a == "--criterios") {
            if (++i == arguments.size())
                return withError("falta el archivo de criterios después de --criterios");
            criteria = arguments[i];
        } else if (a.starts_with("--criterios=")) {
            criteria = a.substr(12);
        } else if (a == "--y") {
            if (++i == arguments.size())
                return withError("falta la respuesta después de --y");
            responses.push_back(arguments[i]);
        } else if (a.starts_with("--y=")) {
            responses.push_back(a.substr(4));
        } else if (a == "--replicas") {
            if (++i == arguments.size())
                return withError("falta el número de réplicas después de --replicas");
            replicates = arguments[i];
        } else if (a.starts_with("--replicas=")) {
            replicates = a.substr(11);
        } else if (a == "--recobro") {
            recovered = true;
        } else if (a.size() > 1 && a[0] == '-') {
            return withError("opción desconocida: " + a);
        } else {
            positionals.push_back(a);
        }
    }
    if (positionals.empty())
        return withError(table ? "falta la vista" : "falta la vista y el archivo del estudio");
    const auto view = viewCalled(positionals[0]);
    if (!view)
        return withError("vista desconocida: " + positionals[0]);
    if (criteria && *view != View::verdict)
        return withError("--criterios solo sirve con la vista dictamen");
    if (recovered && *view != View::validation && *view != View::verdict)
        return withError("--recobro solo sirve con las vistas validacion y dictamen");
    const bool readsStudy = *view != View::verification;
    if (!readsStudy && table)
        return withError("verificar no lee ninguna tabla");
    // A table is named after --tabla; a study file is the argument after the view.
    const std::size_t positionalsWanted = table || !readsStudy ? 1 : 2;
    if (positionals.size() < positionalsWanted)
        return withError("falta el archivo del estudio");
    if (positionals.size() > positionalsWanted)
        return withError("sobra el argumento " + positionals[positionalsWanted]);
    if (decimal && !isDecimalSeparator(*decimal))
        return withError("el separador decimal debe ser un solo signo, como . o , (no \"" +
                         *decimal + "\")");
    const char separator = decimal ? (*decimal)[0] : defaultDecimal;
    Command command{.view = *view,
                    .file = table        ? *table
                            : readsStudy ? positionals[1]
                                         : std::string(),
                    .decimal = separator,
                    .table = table.has_value(),
                    .criteria = criteria,
                    .recovered = recovered};
    if (const auto problem = readInverseOptions(responses, replicates, command))
        return withError(*problem);
    return Arguments{.help = false, .command = std::move(command), .error = {}};
}

} // namespace linealidad::cli
