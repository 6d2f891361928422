#include "support/TestStudies.h"

namespace linealidad::test {

Study study(const std::vector<int>& replicates, const std::vector<std::string>& x,
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
    return s;
}

Study described(Study s, const std::string& method, const std::string& analyst,
                const std::string& date, const std::string& units, const std::string& property) {
    s.emetodo = method;
    s.eanalista = analyst;
    s.efecha = date;
    s.eadicionada = units;
    s.emedida = property;
    return s;
}

Study workedExample(char decimal) {
    std::vector<std::string> y{"1.0", "1.2", "2.1", "1.9", "3.2", "2.9"};
    for (std::string& text : y)
        text[1] = decimal;
    return described(study({2, 2, 2}, {"1", "1", "2", "2", "3", "3"}, y), "Valoración por UV",
                     "Ana Pérez", "08/12/2026", "mg", "Absorbancia");
}

Study noisyLine(int levels, int replicates) {
    std::vector<int> counts(static_cast<std::size_t>(levels), replicates);
    std::vector<std::string> x, y;
    for (int i = 1; i <= levels; ++i)
        for (int k = 0; k < replicates; ++k) {
            x.push_back(std::to_string(i));
            y.push_back(std::to_string(2 * i) + "." + std::to_string((k * 7 + i * 3) % 10));
        }
    return study(counts, x, y);
}

} // namespace linealidad::test
