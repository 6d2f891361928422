#include "LargeStudy.h"

#include "core/study/StudyFile.h"
#include "core/text/NumberFormat.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace linealidad::bench {

namespace {
constexpr int kLevels = 10;
constexpr int kReplicates = 15;
} // namespace

Study largeStudy() {
    Study s = Study::fresh();
    s.emetodo = "Valoración por HPLC";
    s.eanalista = "Laboratorio de Control de Calidad";
    s.efecha = "08/12/2026";
    s.eadicionada = "mg";
    s.emedida = "Área";
    s.eniveles = std::to_string(kLevels);
    s.stgniveles.setColCount(kLevels + 1);
    s.stgdatos.setRowCount(kLevels * kReplicates + 1);
    int row = 1;
    for (int i = 1; i <= kLevels; ++i) {
        s.stgniveles.setCell(i, 1, std::to_string(kReplicates));
        for (int k = 0; k < kReplicates; ++k, ++row) {
            const double x = 10.0 * i;
            const double y = 0.0123 * x + 0.004 + ((i * 7 + k * 3) % 11 - 5) * 0.0004;
            s.stgdatos.setCell(1, row, formatGeneral(x, 15));
            s.stgdatos.setCell(2, row, formatGeneral(y, 15));
        }
    }
    s.writeFileTitles(kLevels);
    return s;
}

void writeLargeStudy(const std::string& path) {
    writeStudy(path, largeStudy(), {"Linealidad", "mg", "Área"});
}

TemporaryStudyFile::TemporaryStudyFile() {
    std::string templateText = (std::filesystem::temp_directory_path() / "linealidad-bench-XXXXXX");
    if (!mkdtemp(templateText.data()))
        throw std::runtime_error("cannot create a temporary directory");
    directory_ = templateText;
    path_ = directory_ + "/estudio-150.w02";
    writeLargeStudy(path_);
}

TemporaryStudyFile::~TemporaryStudyFile() {
    std::error_code ignored;
    std::filesystem::remove_all(directory_, ignored);
}

} // namespace linealidad::bench
