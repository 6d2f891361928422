#include "Argumentos.h"

#include <cctype>

namespace linealidad::cli {

namespace {

std::optional<Vista> vistaLlamada(const std::string& nombre) {
    if (nombre == "informe")
        return Vista::informe;
    if (nombre == "inferencia")
        return Vista::inferencia;
    if (nombre == "anova")
        return Vista::anova;
    if (nombre == "residuales")
        return Vista::residuales;
    return std::nullopt;
}

// A separator must be one character that cannot be part of a number itself: not a digit, a
// sign, an exponent letter or a blank, nor a byte of a multi-byte character.
bool esSeparadorValido(const std::string& texto) {
    if (texto.size() != 1)
        return false;
    const auto c = static_cast<unsigned char>(texto[0]);
    return c < 0x80 && std::isgraph(c) && !std::isalnum(c) && c != '+' && c != '-';
}

Argumentos conError(std::string error) {
    Argumentos a;
    a.error = std::move(error);
    return a;
}

} // namespace

Argumentos leeArgumentos(const std::vector<std::string>& argumentos, char decimalPorOmision) {
    std::vector<std::string> posicionales;
    std::optional<std::string> decimal;
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& a = argumentos[i];
        if (a == "--help" || a == "-h")
            return Argumentos{.ayuda = true, .orden = std::nullopt, .error = {}};
        if (a == "--decimal") {
            if (++i == argumentos.size())
                return conError("falta el separador después de --decimal");
            decimal = argumentos[i];
        } else if (a.starts_with("--decimal=")) {
            decimal = a.substr(10);
        } else if (a.size() > 1 && a[0] == '-') {
            return conError("opción desconocida: " + a);
        } else {
            posicionales.push_back(a);
        }
    }
    if (posicionales.empty())
        return conError("falta la vista y el archivo del estudio");
    const auto vista = vistaLlamada(posicionales[0]);
    if (!vista)
        return conError("vista desconocida: " + posicionales[0]);
    if (posicionales.size() < 2)
        return conError("falta el archivo del estudio");
    if (posicionales.size() > 2)
        return conError("sobra el argumento " + posicionales[2]);
    if (decimal && !esSeparadorValido(*decimal))
        return conError("el separador decimal debe ser un solo signo, como . o , (no \"" +
                        *decimal + "\")");
    const char separador = decimal ? (*decimal)[0] : decimalPorOmision;
    return Argumentos{
        .ayuda = false, .orden = Orden{*vista, posicionales[1], separador}, .error = {}};
}

} // namespace linealidad::cli
