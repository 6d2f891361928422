#include "core/printing/PageTexts.h"

#include "core/text/NumberFormat.h"

#include <vector>

namespace linealidad {
namespace {

// An element the residual analysis did not write reads as zero.
template <typename T> T element(const std::vector<T>& values, int i) {
    const auto index = static_cast<std::size_t>(i - 1);
    return i >= 1 && index < values.size() ? values[index] : T{};
}

std::string G5(double value, char decimal) {
    return formatGeneral(value, 5, decimal);
}

} // namespace

std::string residualRow(const Residuals& r, int i, char decimal, bool studentized) {
    std::string row = std::string(8, ' ') + formatInteger(element(r.Observacion, i)) +
                      std::string(28, ' ') + G5(element(r.Pronostico, i), decimal) +
                      std::string(30, ' ') + G5(element(r.Residual, i), decimal);
    if (studentized)
        row += std::string(30, ' ') + G5(element(r.Estudentizado, i), decimal);
    return row;
}

} // namespace linealidad
