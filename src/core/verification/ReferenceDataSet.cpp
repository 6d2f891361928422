#include "core/verification/ReferenceDataSet.h"

namespace linealidad {

Study referenceStudy(const std::vector<int>& replicates, const std::vector<std::string>& x,
                     const std::vector<std::string>& y) {
    Study s = Study::fresh();
    const int levels = static_cast<int>(replicates.size());
    s.eniveles = std::to_string(levels);
    s.stgniveles.setColCount(levels + 1);
    for (int i = 1; i <= levels; ++i) {
        s.stgniveles.setCell(i, 0, std::to_string(i));
        s.stgniveles.setCell(i, 1, std::to_string(replicates[static_cast<std::size_t>(i - 1)]));
    }
    s.stgdatos.setRowCount(static_cast<int>(x.size()) + 1);
    for (std::size_t j = 0; j < x.size(); ++j) {
        s.stgdatos.setCell(1, static_cast<int>(j) + 1, x[j]);
        s.stgdatos.setCell(2, static_cast<int>(j) + 1, y[j]);
    }
    s.labelDataRows(levels);
    return s;
}

ReferenceValue shownValue(ReferenceFigure figure, double expected) {
    return {figure, expected, shownDigits(figure)};
}

} // namespace linealidad
