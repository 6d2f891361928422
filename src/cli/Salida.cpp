#include "Salida.h"

namespace linealidad::cli {

void Salida::linea(const std::string& texto) {
    lineas_ << texto << '\n';
}

void Salida::lineas(const std::vector<std::string>& textos) {
    for (const auto& texto : textos)
        linea(texto);
}

int Salida::falla(const std::string& mensaje) {
    lineas_.flush();
    mensajes_ << mensaje << '\n';
    mensajes_.flush();
    return kFallo;
}

} // namespace linealidad::cli
