#include "EstudioGrande.h"

#include "study/StudyFile.h"
#include "text/NumberFormat.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace linealidad::bench {

namespace {
constexpr int kNiveles = 10;
constexpr int kReplicas = 15;
} // namespace

Study estudioGrande() {
    Study s = Study::nuevo();
    s.emetodo = "Valoración por HPLC";
    s.eanalista = "Laboratorio de Control de Calidad";
    s.efecha = "08/12/2026";
    s.eadicionada = "mg";
    s.emedida = "Área";
    s.eniveles = std::to_string(kNiveles);
    s.stgniveles.setColCount(kNiveles + 1);
    s.stgdatos.setRowCount(kNiveles * kReplicas + 1);
    int fila = 1;
    for (int i = 1; i <= kNiveles; ++i) {
        s.stgniveles.setCell(i, 1, std::to_string(kReplicas));
        for (int k = 0; k < kReplicas; ++k, ++fila) {
            const double x = 10.0 * i;
            const double y = 0.0123 * x + 0.004 + ((i * 7 + k * 3) % 11 - 5) * 0.0004;
            s.stgdatos.setCell(1, fila, formatGeneral(x, 15));
            s.stgdatos.setCell(2, fila, formatGeneral(y, 15));
        }
    }
    s.writeFileTitles(kNiveles);
    return s;
}

ArchivoTemporal::ArchivoTemporal() {
    std::string plantilla = (std::filesystem::temp_directory_path() / "linealidad-bench-XXXXXX");
    if (!mkdtemp(plantilla.data()))
        throw std::runtime_error("cannot create a temporary directory");
    directorio_ = plantilla;
    ruta_ = directorio_ + "/estudio-150.w02";
    escribeEstudio(ruta_, estudioGrande(), {"Linealidad", "mg", "Área"});
}

ArchivoTemporal::~ArchivoTemporal() {
    std::error_code ignorado;
    std::filesystem::remove_all(directorio_, ignorado);
}

} // namespace linealidad::bench
