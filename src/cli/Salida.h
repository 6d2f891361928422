#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace linealidad::cli {

// Where the tool writes: the window's lines to standard output, messages to standard error.
// Lines are written as the window would receive them, so after a fault standard output holds
// what the window would already show.
class Salida {
public:
    Salida(std::ostream& lineas, std::ostream& mensajes) : lineas_(lineas), mensajes_(mensajes) {}

    void linea(const std::string& texto);
    void lineas(const std::vector<std::string>& textos);

    // Writes the message on its own line and returns the exit status of a failed run.
    int falla(const std::string& mensaje);

private:
    std::ostream& lineas_;
    std::ostream& mensajes_;
};

// Exit statuses.
constexpr int kCorrecto = 0;
constexpr int kFallo = 1;
constexpr int kErrorDeUso = 2;

} // namespace linealidad::cli
