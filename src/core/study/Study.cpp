#include "core/study/Study.h"

#include "core/text/NumberParse.h"

#include <string>

namespace linealidad {

Study Study::fresh() {
    Study study;
    study.stgniveles.setCell(0, 0, "     Nivel  ");
    study.stgniveles.setCell(0, 1, " # Replicas ");
    study.stgdatos.setCell(0, 0, "Nivel");
    study.stgdatos.setCell(1, 0, "X");
    study.stgdatos.setCell(2, 0, "Y");
    for (int i = 1; i <= 3; ++i)
        study.stgniveles.setCell(i, 0, std::to_string(i));
    return study;
}

void Study::writeFileTitles(int levels) {
    stgniveles.setCell(0, 0, "     Nivel");
    stgniveles.setCell(0, 1, " # Replicas");
    for (int i = 1; i <= levels; ++i)
        stgniveles.setCell(i, 0, std::string(11, ' ') + std::to_string(i));
    stgdatos.setCell(0, 0, " Nivel");
    stgdatos.setCell(1, 0, " X");
    stgdatos.setCell(2, 0, " Y");
    labelDataRows(levels);
}

void Study::labelDataRows(int levels) {
    int row = 1;
    for (int i = 1; i <= levels; ++i) {
        const int replicates = parseInteger(stgniveles.cell(i, 1));
        for (int k = 0; k < replicates; ++k)
            stgdatos.setCell(0, row++, std::string(10, ' ') + std::to_string(i));
    }
}

} // namespace linealidad
