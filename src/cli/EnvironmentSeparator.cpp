#include "cli/EnvironmentSeparator.h"

#include <clocale>
#include <cstring>

namespace linealidad::cli {

char environmentSeparator() {
    std::setlocale(LC_ALL, "");
    const char* point = std::localeconv()->decimal_point;
    const char separator =
        std::strlen(point) == 1 && static_cast<unsigned char>(point[0]) < 0x80 ? point[0] : '.';
    // Only the separator is taken from the locale: the numeric conventions of the C library stay
    // those of the C locale for anything else in the process.
    std::setlocale(LC_NUMERIC, "C");
    return separator;
}

} // namespace linealidad::cli
