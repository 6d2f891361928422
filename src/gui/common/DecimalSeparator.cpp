#include "gui/common/DecimalSeparator.h"

#include <QLocale>

#include <optional>

namespace linealidad {
namespace {

std::optional<char> pinned;

char systemSeparator() {
    const QString point = QLocale::system().decimalPoint();
    // The conversions work on single characters; a separator outside ASCII falls back to '.'.
    if (point.size() == 1 && point.at(0).unicode() < 128)
        return static_cast<char>(point.at(0).unicode());
    return '.';
}

} // namespace

char decimalSeparator() {
    static const char ofSystem = systemSeparator();
    return pinned.value_or(ofSystem);
}

void setDecimalSeparator(char separator) {
    pinned = separator;
}

} // namespace linealidad
