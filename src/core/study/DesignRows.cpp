#include "core/study/DesignRows.h"

#include "core/study/StudyFile.h"
#include "core/text/NumberParse.h"

namespace linealidad {

bool fitDataRowsToDesign(Study& study) {
    if (!isInteger(study.eniveles))
        return false;
    const int levels = parseInteger(study.eniveles);
    if (levels < 1 || levels != study.stgniveles.colCount() - 1)
        return false;
    long long observations = 0; // a count may be as large as an int holds
    for (int i = 1; i <= levels; ++i) {
        const std::string& count = study.stgniveles.cell(i, 1);
        if (!isInteger(count) || parseInteger(count) < 0)
            return false;
        observations += parseInteger(count);
        if (observations > kMaximumObservations)
            return false;
    }
    if (observations < 1)
        return false;
    study.stgdatos.setRowCount(static_cast<int>(observations) + 1);
    study.labelDataRows(levels);
    return true;
}

bool dataRowsOutOfDesign(const Study& study) {
    Study fitted = study;
    if (!fitDataRowsToDesign(fitted))
        return false;
    if (fitted.stgdatos.rowCount() != study.stgdatos.rowCount())
        return true;
    for (int row = 1; row < study.stgdatos.rowCount(); ++row)
        if (fitted.stgdatos.cell(0, row) != study.stgdatos.cell(0, row))
            return true;
    return false;
}

} // namespace linealidad
