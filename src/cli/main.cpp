// linealidad-cli VISTA ARCHIVO [--decimal C]: the text of a result window of a study file,
// on standard output.

#include "Argumentos.h"
#include "Ayuda.h"
#include "Ejecucion.h"
#include "Salida.h"
#include "SeparadorDecimal.h"

#include <iostream>

using namespace linealidad::cli;

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const Argumentos argumentos =
        leeArgumentos(std::vector<std::string>(argv + 1, argv + argc), separadorDelEntorno());
    if (argumentos.ayuda) {
        std::cout << textoAyuda();
        return kCorrecto;
    }
    if (!argumentos.orden) {
        std::cerr << textoErrorDeUso(argumentos.error);
        return kErrorDeUso;
    }
    Salida salida(std::cout, std::cerr);
    return ejecuta(*argumentos.orden, salida);
}
