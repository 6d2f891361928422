#include "app/Regional.h"

#include <QLocale>

#include <optional>

namespace linealidad {
namespace {

std::optional<char> fijado;

char separadorDelSistema() {
    const QString punto = QLocale::system().decimalPoint();
    // The conversions work on single characters; a separator outside ASCII falls back to '.'.
    if (punto.size() == 1 && punto.at(0).unicode() < 128)
        return static_cast<char>(punto.at(0).unicode());
    return '.';
}

} // namespace

char separadorDecimal() {
    static const char delSistema = separadorDelSistema();
    return fijado.value_or(delSistema);
}

void fijaSeparadorDecimal(char separador) {
    fijado = separador;
}

} // namespace linealidad
