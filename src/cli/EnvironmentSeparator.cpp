#include "cli/EnvironmentSeparator.h"

#include <clocale>
#include <cstring>

namespace linealidad::cli {

char environmentSeparator() {
    std::setlocale(LC_ALL, "");
    const char* point = std::localeconv()->decimal_point;
    const char separator =
        std::strlen(point) == 1 && static_cast<unsigned char>(point[0]) < 0x80 ? point[0] : '.';
    // The process keeps the locale, as the application does: nothing in the program reads or
    // writes numbers through the C library's conventions.
    return separator;
}

} // namespace linealidad::cli
