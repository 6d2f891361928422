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
    if (name == "verificar")
        return View::verification;
    return std::nullopt;
}

Arguments withError(std::string error) {
    Arguments a;
    a.error = std::move(error);
    return a;
}

} // namespace

Arguments readArguments(const std::vector<std::string>& arguments, char defaultDecimal) {
    std::vector<std::string> positionals;
    std::optional<std::string> decimal;
    std::optional<std::string> table;
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
    const std::string file = table ? *table : readsStudy ? positionals[1] : std::string();
    return Arguments{
        .help = false, .command = Command{*view, file, separator, table.has_value()}, .error = {}};
}

} // namespace linealidad::cli
